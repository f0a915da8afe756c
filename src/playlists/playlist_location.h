#pragma once
// Where a playlist came from, and the addresses of its entries resolved
// against it: a relative address names a file beside the playlist, whether
// the playlist was fetched from the web or read from a folder.

#include <cstddef>
#include <string>
#include <string_view>

class PlaylistLocation {
  public:
    // `location` is a web address ("http://host/a/list.m3u", any scheme with
    // "://") or a file path ("C:\dir\list.m3u", "\\server\share\list.m3u").
    explicit PlaylistLocation(std::u16string_view location);

    // `address` as an entry gives it, made whole. An address with a scheme
    // ("rtmp:", "file:", ...), a drive path ("D:\v\a.mp4") or a UNC path is
    // kept as it is. Against a web location the rest resolve as the web
    // resolves links ("//cdn/x", "/x", "../x", "x", "?q"; "\" counts as
    // "/" before the query); against a file path they go under its folder,
    // or its drive or share for "\x", with "\" separators and "." and ".."
    // taken out, never climbing above the drive or share.
    std::u16string resolve(std::u16string_view address) const;

  private:
    std::u16string resolveOnWeb(std::u16string_view address) const;
    std::u16string resolveInFolder(std::u16string_view address) const;

    std::u16string location_;
    bool web_ = false;
    bool rooted_ = false;        // a file path from a drive or share root
    std::size_t schemeEnd_ = 0;  // the ':' after a web location's scheme
    std::size_t rootEnd_ = 0;    // end of "scheme://host", or of the drive or share
    std::size_t folderEnd_ = 0;  // end of the folder, without its last separator
    std::size_t pathEnd_ = 0;    // where a web location's query or fragment starts
};

// The name of an entry without a title: the last part of `address` (the last
// segment of its path, without query or fragment); for an address ending in
// a separator, its host, or else the whole address. Never empty for an
// address that is not.
std::u16string_view addressName(std::u16string_view address);
