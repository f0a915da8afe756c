#include "skin_binding.h"

#include <cstddef>

namespace {

// Every argument is one word of the library's machine: 32 bits in the
// 32-bit program, 64 in the 64-bit one.
using Word = std::uintptr_t;

Word logical(bool value) {
    return value ? 1u : 0u;
}

Word lowByte(std::int32_t value) {
    return static_cast<std::uint32_t>(value) & 0xFFu;
}

Word integer(std::int32_t value) {
    return static_cast<Word>(std::intptr_t{value});
}

// Window and device-context handles, whole.
Word handle(std::intptr_t value) {
    return static_cast<Word>(value);
}

Word address(const void* pointer) {
    return reinterpret_cast<Word>(pointer);
}

Word text(const std::optional<Text>& value) {
    return value ? address(value->c_str()) : 0u;
}

}  // namespace

SkinBinding::SkinBinding(std::span<const std::uint8_t> library)
    : image_(loadImageFromMemory(library.data(), library.size())) {}

SkinBinding::~SkinBinding() {
    detach();
    freeImage(image_);
}

std::int32_t SkinBinding::call(const char* exportName,
                               std::initializer_list<std::uintptr_t> arguments) {
    void* function = image_ ? findExport(image_, exportName) : nullptr;
    if (!function) {
        return 0;
    }
    ExportArguments slots;
    std::size_t slot = 0;
    for (std::uintptr_t argument : arguments) {
        slots[slot++] = argument;
    }
    return static_cast<std::int32_t>(callExport(function, false, slots));
}

std::int32_t SkinBinding::attachEx(const std::optional<Text>& skinFile, std::int32_t first,
                                   std::int32_t second, std::int32_t third) {
    return call("SkinH_AttachEx",
                {text(skinFile), integer(first), integer(second), integer(third)});
}

std::int32_t SkinBinding::attachRes(std::span<const std::uint8_t> data,
                                    const std::optional<Text>& password) {
    return call("SkinH_AttachRes", {address(data.data()), data.size(), text(password), 0, 0, 0});
}

std::int32_t SkinBinding::attachResEx(const std::optional<Text>& first,
                                      const std::optional<Text>& second) {
    return call("SkinH_AttachResEx", {text(first), text(second)});
}

std::int32_t SkinBinding::setTitleMenuBar(std::intptr_t window, bool show, std::int32_t first,
                                          std::int32_t second, std::int32_t third) {
    return call("SkinH_SetTitleMenuBar",
                {handle(window), logical(show), integer(first), integer(second), integer(third)});
}

std::int32_t SkinBinding::setForeColor(std::intptr_t window, std::int32_t red, std::int32_t green,
                                       std::int32_t blue) {
    return call("SkinH_SetForeColor",
                {handle(window), integer(red), integer(green), integer(blue)});
}

std::int32_t SkinBinding::setBackColor(std::intptr_t window, std::int32_t red, std::int32_t green,
                                       std::int32_t blue) {
    return call("SkinH_SetBackColor",
                {handle(window), integer(red), integer(green), integer(blue)});
}

std::int32_t SkinBinding::setAero(bool enable) {
    return call("SkinH_SetAero", {logical(enable)});
}

std::int32_t SkinBinding::setMenuAlpha(std::int32_t alpha) {
    return call("SkinH_SetMenuAlpha", {integer(alpha)});
}

std::int32_t SkinBinding::nineBlt(std::intptr_t dc, std::int32_t left, std::int32_t top,
                                  std::int32_t right, std::int32_t bottom, std::int32_t piece) {
    return call("SkinH_NineBlt", {handle(dc), integer(left), integer(top), integer(right),
                                  integer(bottom), integer(piece)});
}

std::int32_t SkinBinding::setWindowMovable(std::intptr_t window, bool movable) {
    return call("SkinH_SetWindowMovable", {handle(window), logical(movable)});
}

std::int32_t SkinBinding::lockUpdate(std::intptr_t window, bool locked) {
    return call("SkinH_LockUpdate", {handle(window), logical(locked)});
}

std::int32_t SkinBinding::map(std::intptr_t window, std::int32_t kind) {
    return call("SkinH_Map", {handle(window), integer(kind)});
}

std::int32_t SkinBinding::getColor(std::intptr_t window, std::int32_t x, std::int32_t y) {
    return call("SkinH_GetColor", {handle(window), integer(x), integer(y)});
}

std::int32_t SkinBinding::setWindowAlpha(std::intptr_t window, std::int32_t alpha) {
    return call("SkinH_SetWindowAlpha", {handle(window), integer(alpha)});
}

std::int32_t SkinBinding::detachEx(std::intptr_t window) {
    return call("SkinH_DetachEx", {handle(window)});
}

std::int32_t SkinBinding::attach() {
    return call("SkinH_Attach", {});
}

std::int32_t SkinBinding::detach() {
    return call("SkinH_Detach", {});
}

std::int32_t SkinBinding::adjustAero(std::int32_t alpha, std::int32_t shadowDepth,
                                     std::int32_t shadowSize, std::int32_t shadowDarkness,
                                     std::int32_t shadowSharpness, std::int32_t shadowColor,
                                     std::int32_t red, std::int32_t green, std::int32_t blue) {
    return call("SkinH_AdjustAero",
                {lowByte(alpha), lowByte(shadowDepth), lowByte(shadowSize), lowByte(shadowDarkness),
                 integer(shadowSharpness), integer(shadowColor), lowByte(red), lowByte(green),
                 lowByte(blue)});
}
