// The main window's drop handler: the dropped fonts become the list's rows.
#include "app/Localized.h"
#include "framework/Strings.h"
#include "window/Icon.h"
#include "window/Window1.h"

namespace {

bool IsFontName(const std::string& name) {
    return fw::StringEquals(fw::RightB(name, 4), ".otf") ||
           fw::StringEquals(fw::RightB(name, 4), ".ttf");
}

}  // namespace

void Window1::Event_DropObject(fw::Ref<fw::DragItem> obj, int action) {
    static_cast<void>(action);
    fw::Ref<myListBox> list = ListBox1();
    list->RemoveAllRows();
    PushButtonRun()->Enabled(false);

    do {
        if (!obj->FolderItemAvailable()) {
            continue;
        }
        fw::Ref<fw::FolderItem> f = obj->FolderItem();
        if (!IsFontName(f->Name())) {
            continue;
        }
        list->AddRow(f->Name());
        list->RowPicture(list->LastIndex(), Icon::Get(f, 16));
        list->RowTag(list->LastIndex(), f);
    } while (obj->NextItem());

    const std::int64_t n = list->ListCount();
    if (n == 0) {
        return;
    }
    list->ColumnSortDirection(0, 1);
    list->SortedColumn(0);
    list->Sort();
    Label1()->Text(fw::ToString(n) + " " + (n == 1 ? Localized::kItem("") : Localized::kItems("")));
    PushButtonRun()->Enabled(true);
    BringFrontmostMe();
}
