#include "ui/accessible_win.h"

#include <atomic>
#include <utility>

#include "ui/window_win.h"

namespace tw::ui {
namespace {

HRESULT Text(const std::wstring& text, BSTR* out) {
    if (!out) return E_INVALIDARG;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

void SetId(VARIANT* out, long id) {
    out->vt = VT_I4;
    out->lVal = id;
}

// One scope of a source. It holds the source, not the control: a reader may
// keep it after the control is gone, and then every call says so.
class Accessible final : public IAccessible {
public:
    Accessible(std::shared_ptr<AccessibleSource> source, long scope) : source_(std::move(source)), scope_(scope) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        if (scope_ != 0) {
            *parent = NewAccessible(source_, 0);
            return S_OK;
        }
        return AccessibleObjectFromWindow(source_->Window(), static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        *count = source_->ChildCount(scope_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        if (id == scope_) {
            AddRef();
            *out = this;
            return S_OK;
        }
        if (!source_->IsScope(id)) return S_FALSE;
        *out = NewAccessible(source_, id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Read(child, name, &AccessibleSource::Name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Read(child, value, &AccessibleSource::Value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Read(child, description, &AccessibleSource::Description);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Read(child, action, &AccessibleSource::DefaultAction);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return ReadNumber(child, role, &AccessibleSource::Role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return ReadNumber(child, state, &AccessibleSource::State);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override { return Text({}, help); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long*) override { return Text({}, file); }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* keys) override { return Text({}, keys); }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        focus->vt = VT_EMPTY;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        if (GetFocus() != source_->Window()) return S_FALSE;
        SetId(focus, source_->Focus());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (!selection) return E_POINTER;
        selection->vt = VT_EMPTY;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        const auto selected = source_->Selection();
        if (!selected) return S_FALSE;
        SetId(selection, *selected);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        return source_->Select(id, flags) ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        const auto r = source_->Location(id);
        if (!r) return S_FALSE;
        *left = r->left;
        *top = r->top;
        *width = r->right - r->left;
        *height = r->bottom - r->top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        end->vt = VT_EMPTY;
        long id = 0;
        if (const HRESULT hr = Resolve(start, id); hr != S_OK) return hr;
        const long count = source_->ChildCount(scope_);
        const long number = NumberOf(id);
        long to = 0;
        switch (direction) {
            case NAVDIR_FIRSTCHILD: to = id == scope_ && count > 0 ? 1 : 0; break;
            case NAVDIR_LASTCHILD: to = id == scope_ ? count : 0; break;
            case NAVDIR_NEXT:
            case NAVDIR_DOWN: to = number > 0 && number < count ? number + 1 : 0; break;
            case NAVDIR_PREVIOUS:
            case NAVDIR_UP: to = number > 1 ? number - 1 : 0; break;
            default: return E_INVALIDARG;
        }
        if (to == 0) return S_FALSE;
        SetId(end, to);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        hit->vt = VT_EMPTY;
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        const auto own = source_->Location(scope_);
        const POINT p{x, y};
        if (!own || !PtInRect(&*own, p)) return S_FALSE;
        const long id = source_->HitTest(p);
        const long number = NumberOf(id);
        SetId(hit, number > 0 ? number : scope_ == 0 ? id : CHILDID_SELF);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        return source_->DoDefaultAction(id) ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    bool Alive() const { return source_->Window() && IsWindow(source_->Window()); }

    // The source's id of the element a reader names: this scope for
    // CHILDID_SELF, else its part by number. The control's own object also
    // takes any id of the source, as events name them.
    HRESULT Resolve(const VARIANT& child, long& id) const {
        if (!Alive()) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        if (child.lVal == CHILDID_SELF) {
            id = scope_;
            return S_OK;
        }
        if (child.lVal < 0) return E_INVALIDARG;
        id = scope_ == 0 ? child.lVal : source_->ChildId(scope_, child.lVal);
        return id != 0 && source_->Exists(id) ? S_OK : E_INVALIDARG;
    }
    // A part's number within this scope, 0 when it is not one of its parts.
    long NumberOf(long id) const {
        const long count = source_->ChildCount(scope_);
        if (scope_ == 0) return id > 0 && id <= count && source_->ChildId(0, id) == id ? id : 0;
        for (long number = 1; number <= count; ++number)
            if (source_->ChildId(scope_, number) == id) return number;
        return 0;
    }
    template <typename Member>
    HRESULT Read(const VARIANT& child, BSTR* out, Member read) {
        if (!out) return E_POINTER;
        *out = nullptr;
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        return Text(((*source_).*read)(id), out);
    }
    template <typename Member>
    HRESULT ReadNumber(const VARIANT& child, VARIANT* out, Member read) {
        if (!out) return E_POINTER;
        long id = 0;
        if (const HRESULT hr = Resolve(child, id); hr != S_OK) return hr;
        SetId(out, ((*source_).*read)(id));
        return S_OK;
    }

    std::atomic<ULONG> references_{1};
    std::shared_ptr<AccessibleSource> source_;
    long scope_;
};

}  // namespace

std::optional<RECT> AccessibleSource::Location(long id) const {
    if (id != 0) return std::nullopt;
    RECT r{};
    if (!GetWindowRect(Window(), &r)) return std::nullopt;
    return r;
}

LRESULT AccessibleSource::Answer(const std::shared_ptr<AccessibleSource>& self, WPARAM wParam, LPARAM lParam) {
    if (static_cast<long>(lParam) != OBJID_CLIENT || !Window()) return 0;
    // The object crosses to the reader through COM, which this thread may
    // not have started yet (shortcut work starts and ends it around itself);
    // once started here it stays so for the thread's life.
    static thread_local const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com;
    IAccessible* object = NewAccessible(self, 0);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result < 0 ? 0 : result;
}

IAccessible* NewAccessible(std::shared_ptr<AccessibleSource> source, long scope) {
    return new Accessible(std::move(source), scope);
}

void RaiseAccessibleEvent(HWND hwnd, DWORD event, long id) {
    NotifyWinEvent(event, hwnd, OBJID_CLIENT, id);
}

std::wstring SingleAccessible::Name(long) const {
    std::wstring text = WindowText(hwnd_);
    std::erase(text, L'&');
    return text;
}

long SingleAccessible::State(long) const {
    long state = STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == hwnd_) state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowVisible(hwnd_)) state |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(hwnd_)) state |= STATE_SYSTEM_UNAVAILABLE;
    if (role_ == ROLE_SYSTEM_LINK) state |= STATE_SYSTEM_LINKED;
    return state;
}

bool SingleAccessible::DoDefaultAction(long) {
    if (!onDefaultAction || !IsWindowEnabled(hwnd_)) return false;
    // A reader's call comes from outside our message handling; what the
    // action throws goes where a click's would.
    Guarded(onDefaultAction);
    return true;
}

}  // namespace tw::ui
