#include "app/FileTypeGroup1.h"

#include "framework/Runtime.h"

namespace FileTypeGroup1 {

fw::Ref<fw::FileType> pAny;
fw::Ref<fw::FileType> pSpecialFolder;
std::vector<fw::Ref<fw::FileType>> pAllFileTypes;

namespace {

const bool kRegistered = [] {
    fw::RegisterInitializer([] {
        pAny = nullptr;
        pSpecialFolder = nullptr;
        pAllFileTypes.clear();
    });
    return true;
}();

}  // namespace

void Initialize_() {
    pAny = fw::New<fw::FileType>();
    pAny->Name = "special/any";
    pAny->Extensions = ".*";
    pAny->MacType = "????";
    pAny->MacCreator = "";
    pAny->MimeType = "";
    pAny->Imported = true;
    pAny->ConformsTo = "";
    pAny->UTI = "public.data";
    pAllFileTypes.push_back(pAny);
    static_cast<void>(static_cast<std::string>(*Any()));

    pSpecialFolder = fw::New<fw::FileType>();
    pSpecialFolder->Name = "special/folder";
    pSpecialFolder->Extensions = "";
    pSpecialFolder->MacType = "fold";
    pSpecialFolder->MacCreator = "";
    pSpecialFolder->MimeType = "";
    pSpecialFolder->Imported = true;
    pSpecialFolder->ConformsTo = "";
    pAllFileTypes.push_back(pSpecialFolder);
    static_cast<void>(static_cast<std::string>(*SpecialFolder()));
}

fw::Ref<fw::FileType> Any() {
    return pAny;
}

fw::Ref<fw::FileType> SpecialFolder() {
    return pSpecialFolder;
}

std::string All() {
    return "special/any;special/folder";
}

}  // namespace FileTypeGroup1
