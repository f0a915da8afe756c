#pragma once
// The download area's source selector: fills the download list from a list
// file on the download host.

// Reads the choice of kDownloadSource: 0 is the video list "/33.txt", whose lines
// read title + "Nuvri福利下载" + address; 1 the picture-set list "/2.txt",
// separated by "-Nuvri福利下载-". Fetches the file, keeps its text as the
// program's download list text, and fills kDownloadList with one row per
// line: the running number, the title followed by "-Nuvri福利下载-", and the
// address. A line without the separator keeps only its number; a failed
// fetch or an answer that is not a success leaves the list empty, and a body
// cut short loses its cut last line (http/download_answer.h). A later choice
// made while the fetch runs decides the list. No choice does nothing.
void onDownloadSourceSelected();
