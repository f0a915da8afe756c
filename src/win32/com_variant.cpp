#include "com_variant.h"

#include <cstring>

#include "dispatch_object.h"

namespace {

BSTR allocateBstr(const std::u16string& text) {
    return SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
}

SAFEARRAY* byteArray(const Bytes& bytes) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(bytes.size()));
    if (array && !bytes.empty()) {
        void* data = nullptr;
        if (SUCCEEDED(SafeArrayAccessData(array, &data))) {
            std::memcpy(data, bytes.data(), bytes.size());
            SafeArrayUnaccessData(array);
        }
    }
    return array;
}

Bytes bytesOf(SAFEARRAY* array) {
    LONG lower = 0;
    LONG upper = -1;
    if (!array || SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetLBound(array, 1, &lower)) ||
        FAILED(SafeArrayGetUBound(array, 1, &upper)) || upper < lower) {
        return {};
    }
    Bytes bytes(static_cast<std::size_t>(upper - lower) + 1);
    void* data = nullptr;
    if (FAILED(SafeArrayAccessData(array, &data))) {
        return {};
    }
    std::memcpy(bytes.data(), data, bytes.size());
    SafeArrayUnaccessData(array);
    return bytes;
}

Variant objectOf(IUnknown* unknown) {
    IDispatch* dispatch = nullptr;
    if (!unknown ||
        FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)))) {
        return {};
    }
    return Variant(ObjectRef(std::make_shared<DispatchObject>(dispatch)));
}

}  // namespace

ComVariant::ComVariant(const Variant& value) {
    VariantInit(&raw_);
    if (auto* number = std::get_if<std::int32_t>(&value.value)) {
        V_VT(&raw_) = VT_I4;
        V_I4(&raw_) = *number;
    } else if (auto* real = std::get_if<double>(&value.value)) {
        V_VT(&raw_) = VT_R8;
        V_R8(&raw_) = *real;
    } else if (auto* flag = std::get_if<bool>(&value.value)) {
        V_VT(&raw_) = VT_BOOL;
        V_BOOL(&raw_) = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (auto* text = std::get_if<std::u16string>(&value.value)) {
        V_VT(&raw_) = VT_BSTR;
        V_BSTR(&raw_) = allocateBstr(*text);
    } else if (auto* bytes = std::get_if<Bytes>(&value.value)) {
        V_VT(&raw_) = VT_ARRAY | VT_UI1;
        V_ARRAY(&raw_) = byteArray(*bytes);
    } else if (auto* object = std::get_if<ObjectRef>(&value.value)) {
        // Only objects of the platform can be handed back to the platform.
        if (auto* dispatchObject = dynamic_cast<DispatchObject*>(object->get())) {
            V_VT(&raw_) = VT_DISPATCH;
            V_DISPATCH(&raw_) = dispatchObject->dispatch();
            V_DISPATCH(&raw_)->AddRef();
        }
    }
}

Variant ComVariant::toVariant() const {
    VARIANT plain;
    VariantInit(&plain);
    if (FAILED(VariantCopyInd(&plain, const_cast<VARIANT*>(&raw_)))) {
        return {};
    }
    Variant result;
    switch (V_VT(&plain)) {
        case VT_I1:
        case VT_UI1:
        case VT_I2:
        case VT_UI2:
        case VT_I4:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            if (SUCCEEDED(VariantChangeType(&plain, &plain, 0, VT_I4))) {
                result = Variant(static_cast<std::int32_t>(V_I4(&plain)));
            }
            break;
        case VT_I8:
        case VT_UI8:
        case VT_R4:
        case VT_R8:
        case VT_CY:
        case VT_DATE:
        case VT_DECIMAL:
            if (SUCCEEDED(VariantChangeType(&plain, &plain, 0, VT_R8))) {
                result = Variant(V_R8(&plain));
            }
            break;
        case VT_BOOL:
            result = Variant(V_BOOL(&plain) != VARIANT_FALSE);
            break;
        case VT_BSTR:
            result = Variant(std::u16string(reinterpret_cast<const char16_t*>(V_BSTR(&plain)),
                                            SysStringLen(V_BSTR(&plain))));
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            result = objectOf(V_UNKNOWN(&plain));
            break;
        case VT_ARRAY | VT_UI1:
        case VT_ARRAY | VT_I1:
            result = Variant(bytesOf(V_ARRAY(&plain)));
            break;
        default:
            break;
    }
    VariantClear(&plain);
    return result;
}
