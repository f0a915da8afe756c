#pragma once
// What joins a title and its address in the download host's list files and in
// the texts the download area shows and copies.

#include <string_view>

inline constexpr char kDownloadSeparator[] = "-Nuvri福利下载-";
// The video list writes the separator without its two dashes.
inline constexpr std::string_view kDownloadMark(kDownloadSeparator + 1,
                                                sizeof(kDownloadSeparator) - 3);
