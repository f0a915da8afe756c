#pragma once
// A playlist's bytes as lines of UTF-16 text. The encoding is the one a
// byte-order mark names (UTF-8, UTF-16 LE or BE); without one, UTF-8 when
// the bytes are valid UTF-8, else GBK. Lines end at CR, LF or CR LF.

#include <cstddef>
#include <string>
#include <string_view>

class PlaylistText {
  public:
    explicit PlaylistText(std::string_view bytes);

    // The next line, without its end; false after the last one. A line
    // holding a control character other than the tab is passed over, and
    // one longer than kPlaylistLineLimit bytes too (UTF-8 and GBK ones
    // without being decoded). The view lasts until the next call.
    bool nextLine(std::u16string_view& line);

  private:
    bool decodeBatch();

    std::string_view rest_;   // bytes not decoded yet (UTF-8 and GBK)
    unsigned codePage_ = 0;   // of rest_; 0 when the text is UTF-16
    std::size_t unitLimit_;   // longest line handed out, in UTF-16 units
    std::u16string decoded_;  // the lines of the current batch
    std::size_t at_ = 0;      // where the next line starts in decoded_
    std::string gbkBatch_;    // a GBK batch with its broken characters mended
};

// `text` without the blanks around it: spaces, tabs, no-break and
// ideographic spaces, and byte-order marks left inside a text.
std::u16string_view trimBlanks(std::u16string_view text);

// Whether `text` begins with `lowerCase`, ASCII letters of `text` in either
// case.
bool startsWithFolded(std::u16string_view text, std::u16string_view lowerCase);
