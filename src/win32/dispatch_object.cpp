#include "dispatch_object.h"

#include <memory>
#include <string>
#include <vector>

#include "com_variant.h"

namespace {

WORD dispatchFlags(InvokeKind kind) {
    switch (kind) {
        case InvokeKind::Method:
            return DISPATCH_METHOD;
        case InvokeKind::PropertyGet:
            return DISPATCH_PROPERTYGET;
        case InvokeKind::PropertyPut:
            return DISPATCH_PROPERTYPUT;
        case InvokeKind::PropertyPutRef:
            return DISPATCH_PROPERTYPUTREF;
    }
    return DISPATCH_METHOD;
}

void clearException(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

}  // namespace

std::optional<Variant> DispatchObject::invoke(std::string_view member, InvokeKind kind,
                                              std::span<const Variant> args) {
    // Member names are ASCII.
    std::wstring name(member.begin(), member.end());
    LPOLESTR names[] = {name.data()};
    DISPID id = 0;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) {
        return std::nullopt;
    }

    // IDispatch takes its arguments last to first.
    std::vector<std::unique_ptr<ComVariant>> owned;
    std::vector<VARIANT> reversed;
    owned.reserve(args.size());
    reversed.reserve(args.size());
    for (auto arg = args.rbegin(); arg != args.rend(); ++arg) {
        owned.push_back(std::make_unique<ComVariant>(*arg));
        reversed.push_back(*owned.back()->get());
    }
    DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    DISPID putId = DISPID_PROPERTYPUT;
    const bool isPut = kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
    if (isPut) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }

    ComVariant result;
    EXCEPINFO exception = {};
    UINT badArgument = 0;
    HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, dispatchFlags(kind), &params,
                                   isPut ? nullptr : result.get(), &exception, &badArgument);
    clearException(exception);
    if (FAILED(hr)) {
        return std::nullopt;
    }
    return result.toVariant();
}

ObjectRef createObject(std::string_view progId) {
    std::wstring name(progId.begin(), progId.end());
    CLSID classId;
    if (FAILED(CLSIDFromProgID(name.c_str(), &classId))) {
        return nullptr;
    }
    IDispatch* dispatch = nullptr;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
        return nullptr;
    }
    return std::make_shared<DispatchObject>(dispatch);
}
