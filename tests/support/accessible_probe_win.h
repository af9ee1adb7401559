#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace tw {

// What a screen reader reads of a window: only AccessibleObjectFromWindow
// and IAccessible, as a reader in another process would.
struct AccessibleNode {
    std::wstring name, value, description, action;
    long role = 0;
    long state = 0;
    std::vector<AccessibleNode> children;
    bool Checked() const { return (state & STATE_SYSTEM_CHECKED) != 0; }
};

class AccessibleProbe {
public:
    explicit AccessibleProbe(HWND hwnd) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&root_))))
            root_ = nullptr;
    }
    ~AccessibleProbe() {
        if (root_) root_->Release();
        CoUninitialize();
    }
    AccessibleProbe(const AccessibleProbe&) = delete;
    AccessibleProbe& operator=(const AccessibleProbe&) = delete;

    IAccessible* Root() const { return root_; }
    AccessibleNode Read() const { return root_ ? ReadNode(root_, CHILDID_SELF) : AccessibleNode{}; }
    // The default action of the element at `path` (child numbers, 1-based,
    // through nested objects).
    HRESULT DoDefaultAction(const std::vector<long>& path) const {
        IAccessible* object = root_;
        if (object) object->AddRef();
        long child = CHILDID_SELF;
        for (std::size_t i = 0; object && i < path.size(); ++i) {
            IAccessible* inner = Child(object, path[i]);
            if (inner) {
                object->Release();
                object = inner;
                child = CHILDID_SELF;
            } else {
                child = path[i];
            }
        }
        if (!object) return E_FAIL;
        const HRESULT hr = object->accDoDefaultAction(Id(child));
        object->Release();
        return hr;
    }

private:
    static VARIANT Id(long id) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = id;
        return v;
    }
    template <typename Get>
    static std::wstring Text(Get&& get) {
        BSTR text = nullptr;
        const HRESULT hr = get(&text);
        std::wstring result = hr == S_OK && text ? std::wstring(text, SysStringLen(text)) : std::wstring();
        SysFreeString(text);
        return result;
    }
    static IAccessible* Child(IAccessible* parent, long number) {
        IDispatch* dispatch = nullptr;
        if (parent->get_accChild(Id(number), &dispatch) != S_OK || !dispatch) return nullptr;
        IAccessible* child = nullptr;
        dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&child));
        dispatch->Release();
        return child;
    }
    static AccessibleNode ReadNode(IAccessible* object, long id) {
        AccessibleNode node;
        const VARIANT v = Id(id);
        node.name = Text([&](BSTR* text) { return object->get_accName(v, text); });
        node.value = Text([&](BSTR* text) { return object->get_accValue(v, text); });
        node.description = Text([&](BSTR* text) { return object->get_accDescription(v, text); });
        node.action = Text([&](BSTR* text) { return object->get_accDefaultAction(v, text); });
        VARIANT out;
        VariantInit(&out);
        if (object->get_accRole(v, &out) == S_OK && out.vt == VT_I4) node.role = out.lVal;
        VariantInit(&out);
        if (object->get_accState(v, &out) == S_OK && out.vt == VT_I4) node.state = out.lVal;
        long count = 0;
        if (id != CHILDID_SELF || object->get_accChildCount(&count) != S_OK) return node;
        for (long number = 1; number <= count; ++number) {
            if (IAccessible* inner = Child(object, number)) {
                node.children.push_back(ReadNode(inner, CHILDID_SELF));
                inner->Release();
            } else {
                node.children.push_back(ReadNode(object, number));
            }
        }
        return node;
    }

    IAccessible* root_ = nullptr;
};

}  // namespace tw
