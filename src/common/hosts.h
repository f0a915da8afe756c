#pragma once
// Every host the program talks to, fixed when the program is built (the
// values come from cmake/Hosts.cmake). The player page's address is built
// from NUVRI_PLAYER_HOST where playback defines it.

// The list service: list answers and the television media addresses.
inline constexpr char kListServiceHost[] = NUVRI_LIST_SERVICE_HOST;
// The notice host: the notice texts and the information page.
inline constexpr char kNoticeHost[] = NUVRI_NOTICE_HOST;
// The outside media host, under its two names.
inline constexpr char kOutsidePageHost[] = NUVRI_OUTSIDE_PAGE_HOST;
inline constexpr char kOutsideFileHost[] = NUVRI_OUTSIDE_FILE_HOST;
// Where the embedded playlists' pictures and media are.
inline constexpr char kMediaHost[] = NUVRI_MEDIA_HOST;
// The host of the two download list files.
inline constexpr char kDownloadHost[] = NUVRI_DOWNLOAD_HOST;
// The forum that the forum link opens.
inline constexpr char kForumAddress[] = NUVRI_FORUM_ADDRESS;
// The numeric IP of the live stream server.
inline constexpr char kRtmpHost[] = NUVRI_RTMP_HOST;
