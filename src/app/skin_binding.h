#pragma once
// The skinning library the program carries as bytes: loaded from memory at
// start-up, one method per library function, each looking its export up by
// name on every call. Destroying the binding detaches the skin from every
// window first and then unloads the library.

#include <cstdint>
#include <optional>
#include <span>

#include "common/value_types.h"
#include "module_loader/memory_image.h"

class SkinBinding {
  public:
    // Loads the library image; a failed load is kept as a null image, and
    // every method then does nothing and returns 0.
    explicit SkinBinding(std::span<const std::uint8_t> library);
    ~SkinBinding();
    SkinBinding(const SkinBinding&) = delete;
    SkinBinding& operator=(const SkinBinding&) = delete;

    std::int32_t attachEx(const std::optional<Text>& skinFile, std::int32_t first,
                          std::int32_t second, std::int32_t third);
    // An empty `data` passes a length of 0.
    std::int32_t attachRes(std::span<const std::uint8_t> data, const std::optional<Text>& password);
    std::int32_t attachResEx(const std::optional<Text>& first, const std::optional<Text>& second);
    std::int32_t setTitleMenuBar(std::intptr_t window, bool show, std::int32_t first,
                                 std::int32_t second, std::int32_t third);
    std::int32_t setForeColor(std::intptr_t window, std::int32_t red, std::int32_t green,
                              std::int32_t blue);
    std::int32_t setBackColor(std::intptr_t window, std::int32_t red, std::int32_t green,
                              std::int32_t blue);
    std::int32_t setAero(bool enable);
    std::int32_t setMenuAlpha(std::int32_t alpha);
    std::int32_t nineBlt(std::intptr_t dc, std::int32_t left, std::int32_t top, std::int32_t right,
                         std::int32_t bottom, std::int32_t piece);
    std::int32_t setWindowMovable(std::intptr_t window, bool movable);
    std::int32_t lockUpdate(std::intptr_t window, bool locked);
    std::int32_t map(std::intptr_t window, std::int32_t kind);
    std::int32_t getColor(std::intptr_t window, std::int32_t x, std::int32_t y);
    std::int32_t setWindowAlpha(std::intptr_t window, std::int32_t alpha);
    std::int32_t detachEx(std::intptr_t window);
    std::int32_t attach();
    std::int32_t detach();
    // Window and device-context parameters are handles, whole in either
    // build. Parameters 1-4 and 7-9 are passed as their low 8 bits.
    std::int32_t adjustAero(std::int32_t alpha, std::int32_t shadowDepth, std::int32_t shadowSize,
                            std::int32_t shadowDarkness, std::int32_t shadowSharpness,
                            std::int32_t shadowColor, std::int32_t red, std::int32_t green,
                            std::int32_t blue);

  private:
    std::int32_t call(const char* exportName, std::initializer_list<std::uintptr_t> arguments);

    MemoryImage* image_;
};
