#include "cocoa/Runtime.h"

#include <mutex>
#include <vector>

#include "cocoa/ClassRegistry.h"

namespace cocoa {

namespace {

struct Registry {
    std::mutex mutex;
    std::map<std::string, std::unique_ptr<Class>, std::less<>> classes;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

void EnsureClassesDefined() {
    static std::once_flag once;
    std::call_once(once, [] { detail::DefineClasses(); });
}

Class* FindClass(std::string_view name) {
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto it = registry.classes.find(name);
    return it == registry.classes.end() ? nullptr : it->second.get();
}

const Method* FindIn(const std::map<SEL, Method>& methods, SEL sel) {
    auto it = methods.find(sel);
    return it == methods.end() ? nullptr : &it->second;
}

const Method* Lookup(id receiver, SEL sel) {
    if (receiver->IsClass()) {
        return static_cast<const Class*>(receiver)->FindClassMethod(sel);
    }
    return receiver->Isa()->FindMethod(sel);
}

std::string Describe(id receiver, SEL sel) {
    const char* side = receiver->IsClass() ? "+" : "-";
    return std::string(side) + "[" + receiver->Isa()->Name() + " " + sel->Name() + "]";
}

class PlainObject final : public Object {
public:
    explicit PlainObject(Class* isa) : Object(isa) {}
};

}  // namespace

std::shared_ptr<Object> NewInstance(std::string_view className) {
    return Make<PlainObject>(className);
}

Class::Class(std::string name, Class* superclass)
    : Object(nullptr), name_(std::move(name)), superclass_(superclass) {}

bool Class::IsSubclassOf(const Class* other) const {
    for (const Class* c = this; c != nullptr; c = c->superclass_) {
        if (c == other) {
            return true;
        }
    }
    return false;
}

void Class::AddMethod(std::string_view selectorName, Method method) {
    methods_[NSSelectorFromString(selectorName)] = std::move(method);
}

void Class::AddClassMethod(std::string_view selectorName, Method method) {
    classMethods_[NSSelectorFromString(selectorName)] = std::move(method);
}

const Method* Class::FindMethod(SEL sel) const {
    for (const Class* c = this; c != nullptr; c = c->superclass_) {
        if (const Method* m = FindIn(c->methods_, sel)) {
            return m;
        }
    }
    return nullptr;
}

const Method* Class::FindClassMethod(SEL sel) const {
    const Class* root = this;
    for (const Class* c = this; c != nullptr; c = c->superclass_) {
        if (const Method* m = FindIn(c->classMethods_, sel)) {
            return m;
        }
        root = c;
    }
    return FindIn(root->methods_, sel);
}

Class& DefineClass(std::string_view name, std::string_view superclassName) {
    Class* superclass = nullptr;
    if (!superclassName.empty()) {
        superclass = FindClass(superclassName);
        if (superclass == nullptr) {
            throw InvalidArgumentException("Superclass " + std::string(superclassName) + " of " +
                                           std::string(name) + " is not defined");
        }
    }
    auto& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    auto& slot = registry.classes[std::string(name)];
    if (!slot) {
        slot = std::make_unique<Class>(std::string(name), superclass);
    }
    return *slot;
}

Class& ClassNamed(std::string_view name) {
    EnsureClassesDefined();
    Class* c = FindClass(name);
    if (c == nullptr) {
        throw InvalidArgumentException("Class " + std::string(name) + " is not defined");
    }
    return *c;
}

id NSClassFromString(std::string_view name) {
    EnsureClassesDefined();
    return FindClass(name);
}

std::string object_getClassName(id object) {
    return object == nullptr ? "nil" : object->Isa()->Name();
}

BOOL RespondsTo(id receiver, SEL sel) {
    return receiver != nullptr && sel != nullptr && Lookup(receiver, sel) != nullptr;
}

Value SendMessage(id receiver, SEL sel, Arguments args) {
    if (receiver == nullptr) {
        return {};
    }
    if (sel == nullptr) {
        throw InvalidArgumentException("Message with a nil selector sent to " +
                                       object_getClassName(receiver));
    }
    const Method* method = Lookup(receiver, sel);
    if (method == nullptr) {
        throw InvalidArgumentException(Describe(receiver, sel) +
                                       ": unrecognized selector sent to " +
                                       (receiver->IsClass() ? "class" : "instance"));
    }
    if (args.size() != sel->ArgumentCount()) {
        throw InvalidArgumentException(Describe(receiver, sel) + ": takes " +
                                       std::to_string(sel->ArgumentCount()) + " arguments, given " +
                                       std::to_string(args.size()));
    }
    return (*method)(receiver, args);
}

Value objc_msgSend(id receiver, SEL sel, std::initializer_list<Value> args) {
    return SendMessage(receiver, sel, Arguments(args.begin(), args.size()));
}

}  // namespace cocoa
