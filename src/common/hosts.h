#pragma once
// Every host the program talks to, fixed when the program is built.

// The notice host: the notice texts the browser views load at start.
inline constexpr char kNoticeHost[] = NUVRI_NOTICE_HOST;
