#include "screenshot.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdint>

namespace {

template <class T>
void release(T*& pointer) {
    if (pointer) {
        pointer->Release();
        pointer = nullptr;
    }
}

std::wstring screenshotFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

// A 32-bit bitmap of `size` whose pixels, top row first, are at `bits`.
HBITMAP createPixelBitmap(HDC dc, SIZE size, void** bits) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Copies `rect` of the screen into a new bitmap; its pixels are at `bits`.
HBITMAP captureScreen(const RECT& rect, void** bits) {
    const SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = createPixelBitmap(screen, size, bits);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// Has the window draw itself, frame included, into a new bitmap.
HBITMAP printWindow(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right - rect.left, rect.bottom - rect.top);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PrintWindow(window, memory, 0);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

bool writePng(HBITMAP bitmap, const std::wstring& path) {
    IWICImagingFactory* factory = nullptr;
    IWICBitmap* source = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapEncoder* encoder = nullptr;
    IWICBitmapFrameEncode* frame = nullptr;
    bool written =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(
            factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, &source)) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE)) &&
        SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
        SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
        SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->WriteSource(source, nullptr)) &&
        SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    release(frame);
    release(encoder);
    release(stream);
    release(source);
    release(factory);
    return written;
}

// Saves `bitmap` as "<name>.png" in the screenshot folder.
bool saveBitmap(HBITMAP bitmap, const std::wstring& name) {
    const bool initialised = SUCCEEDED(CoInitialize(nullptr));
    const bool written = writePng(bitmap, screenshotFolder() + L"\\" + name + L".png");
    if (initialised) {
        CoUninitialize();
    }
    return written;
}

}  // namespace

bool saveScreenshot(HWND window, const std::wstring& name) {
    return Screenshot(window, name).saved();
}

bool savePrintedWindow(HWND window, const std::wstring& name) {
    HBITMAP bitmap = printWindow(window);
    const bool saved = saveBitmap(bitmap, name);
    DeleteObject(bitmap);
    return saved;
}

Screenshot::Screenshot(HWND window, const std::wstring& name) {
    // Paints still pending would otherwise be missing from the picture.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rect;
    GetWindowRect(window, &rect);
    origin_ = {rect.left, rect.top};
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    void* bits = nullptr;
    HBITMAP bitmap = captureScreen(rect, &bits);
    if (bitmap && bits) {
        // Each pixel is blue, green, red and an unused byte, in that order.
        const auto* bytes = static_cast<const std::uint8_t*>(bits);
        pixels_.resize(static_cast<std::size_t>(width_) * height_);
        for (std::size_t i = 0; i < pixels_.size(); ++i) {
            pixels_[i] = RGB(bytes[4 * i + 2], bytes[4 * i + 1], bytes[4 * i]);
        }
        saved_ = saveBitmap(bitmap, name);
    }
    DeleteObject(bitmap);
}

COLORREF Screenshot::at(HWND window, POINT point) const {
    ClientToScreen(window, &point);
    const int x = point.x - origin_.x;
    const int y = point.y - origin_.y;
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || pixels_.empty()) {
        return CLR_INVALID;
    }
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

std::vector<COLORREF> Screenshot::pixels(HWND window, RECT area) const {
    std::vector<COLORREF> found;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            found.push_back(at(window, {x, y}));
        }
    }
    return found;
}

int Screenshot::count(HWND window, RECT area, const std::function<bool(COLORREF)>& match) const {
    const std::vector<COLORREF> found = pixels(window, area);
    return static_cast<int>(std::count_if(found.begin(), found.end(), match));
}

bool showsInk(COLORREF pixel, COLORREF ink) {
    if (pixel == CLR_INVALID) {
        return false;
    }
    const int channels[] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
    const int inkChannels[] = {GetRValue(ink), GetGValue(ink), GetBValue(ink)};
    const int grey = *std::min_element(channels, channels + 3);
    const int inkGrey = *std::min_element(inkChannels, inkChannels + 3);
    // A channel stands out when it is this much above the pixel's grey.
    constexpr int kStandsOut = 32;
    bool coloured = false;
    bool sameChannels = true;
    for (int i = 0; i < 3; ++i) {
        const bool inkStandsOut = inkChannels[i] - inkGrey >= kStandsOut;
        coloured = coloured || inkStandsOut;
        sameChannels = sameChannels && (channels[i] - grey >= kStandsOut) == inkStandsOut;
    }
    if (coloured) {
        return sameChannels;
    }
    const int brightest = *std::max_element(channels, channels + 3);
    return sameChannels && brightest < 128;
}
