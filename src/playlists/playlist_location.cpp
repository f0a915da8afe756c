#include "playlist_location.h"

#include <algorithm>

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSeparator(char16_t c) {
    return c == u'/' || c == u'\\';
}

bool startsWithTwoSeparators(std::u16string_view text) {
    return text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1]);
}

// Where the ':' ending a leading scheme is ("http:", "rtmp:", also the
// one-letter "C:" of a drive), or npos.
std::size_t schemeEnd(std::u16string_view text) {
    if (text.empty() || !isLetter(text[0])) {
        return npos;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u':') {
            return i;
        }
        if (!isLetter(c) && !(c >= u'0' && c <= u'9') && c != u'+' && c != u'-' && c != u'.') {
            return npos;
        }
    }
    return npos;
}

std::size_t findSeparator(std::u16string_view text, std::size_t from) {
    while (from < text.size() && !isSeparator(text[from])) {
        ++from;
    }
    return from;
}

// Appends the segments of `path` to `out`, each after `separator` (the first
// one too when `out` is empty only if `separateFirst`). With `removeDots`,
// "." stays put and ".." takes the last segment off, never going below
// `floor`; either at the end leaves a separator, the folder itself.
void appendSegments(std::u16string& out, std::u16string_view path, char16_t separator,
                    std::size_t floor, bool removeDots, bool separateFirst) {
    for (std::size_t at = 0;;) {
        const std::size_t end = findSeparator(path, at);
        const std::u16string_view segment = path.substr(at, end - at);
        const bool last = end == path.size();
        if (removeDots && (segment == u"." || segment == u"..")) {
            if (segment == u".." && out.size() > floor) {
                const std::size_t cut = out.rfind(separator);
                out.resize(cut == npos || cut < floor ? floor : cut);
            }
            if (last) {
                out += separator;
            }
        } else {
            if (!out.empty() || separateFirst) {
                out += separator;
            }
            out += segment;
        }
        if (last) {
            return;
        }
        at = end + 1;
    }
}

}  // namespace

PlaylistLocation::PlaylistLocation(std::u16string_view location) : location_(location) {
    const std::size_t colon = schemeEnd(location_);
    web_ = colon != npos && colon > 1 && location_.compare(colon + 1, 2, u"//") == 0;
    if (web_) {
        schemeEnd_ = colon;
        pathEnd_ = std::min(location_.find_first_of(u"?#", colon + 3), location_.size());
        rootEnd_ = std::min(findSeparator(location_, colon + 3), pathEnd_);
    } else if (startsWithTwoSeparators(location_)) {
        const std::size_t serverEnd = findSeparator(location_, 2);
        rootEnd_ = findSeparator(location_, std::min(serverEnd + 1, location_.size()));
        rooted_ = true;
    } else if (location_.size() >= 2 && isLetter(location_[0]) && location_[1] == u':') {
        rootEnd_ = 2;
        rooted_ = location_.size() > 2 && isSeparator(location_[2]);
    } else {
        rooted_ = !location_.empty() && isSeparator(location_[0]);
    }
    const std::size_t searchEnd = web_ ? pathEnd_ : location_.size();
    for (std::size_t at = searchEnd; at > rootEnd_; --at) {
        if (isSeparator(location_[at - 1])) {
            folderEnd_ = at - 1;
            break;
        }
    }
    folderEnd_ = std::max(folderEnd_, rootEnd_);
}

std::u16string PlaylistLocation::resolve(std::u16string_view address) const {
    const bool unc = address.size() >= 2 && address[0] == u'\\' && address[1] == u'\\';
    if (address.empty() || schemeEnd(address) != npos || unc ||
        (!web_ && startsWithTwoSeparators(address))) {
        return std::u16string(address);
    }
    return web_ ? resolveOnWeb(address) : resolveInFolder(address);
}

std::u16string PlaylistLocation::resolveOnWeb(std::u16string_view address) const {
    const std::u16string_view location = location_;
    std::u16string out;
    out.reserve(location.size() + address.size() + 1);
    if (address.substr(0, 2) == u"//") {
        out.append(location.substr(0, schemeEnd_ + 1)).append(address);
    } else if (address[0] == u'?') {
        out.append(location.substr(0, pathEnd_)).append(address);
    } else if (address[0] == u'#') {
        out.append(location.substr(0, location.find(u'#', pathEnd_))).append(address);
    } else {
        const std::size_t tail = std::min(address.find_first_of(u"?#"), address.size());
        const std::u16string_view path = address.substr(0, tail);
        const bool fromRoot = isSeparator(path[0]);
        out.append(location.substr(0, fromRoot ? rootEnd_ : folderEnd_));
        appendSegments(out, path.substr(fromRoot ? 1 : 0), u'/', rootEnd_, true, true);
        out.append(address.substr(tail));
    }
    return out;
}

std::u16string PlaylistLocation::resolveInFolder(std::u16string_view address) const {
    std::u16string out;
    out.reserve(folderEnd_ + address.size() + 1);
    const bool fromRoot = isSeparator(address[0]);
    out.append(std::u16string_view(location_).substr(0, fromRoot ? rootEnd_ : folderEnd_));
    appendSegments(out, address.substr(fromRoot ? 1 : 0), u'\\', rootEnd_, rooted_, rooted_);
    return out;
}

std::u16string_view addressName(std::u16string_view address) {
    const std::size_t colon = schemeEnd(address);
    const bool web = colon != npos && address.compare(colon + 1, 2, u"//") == 0;
    std::u16string_view path = address;
    if (web) {
        path = path.substr(0, path.find_first_of(u"?#"));
    }
    const std::size_t last = path.find_last_of(u"/\\");
    const std::u16string_view name = last == npos ? path : path.substr(last + 1);
    if (!name.empty()) {
        return name;
    }
    if (web) {
        std::u16string_view host = address.substr(colon + 3);
        host = host.substr(0, host.find_first_of(u"/\\?#"));
        host = host.substr(host.find(u'@') == npos ? 0 : host.find(u'@') + 1);
        if (!host.empty()) {
            return host;
        }
    }
    return address;
}
