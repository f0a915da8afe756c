// Writes the playlist fuzzer's first inputs into the folder it is given: the
// playlists of the reader's tests, one file each.
#include <cstdio>
#include <string>

#include "unit/playlist_rows.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    int number = 0;
    for (const playlist_rows::PlaylistRow& row : playlist_rows::rows()) {
        const std::string path = std::string(argv[1]) + "/playlist-" + std::to_string(++number);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            return 1;
        }
        const bool written =
            std::fwrite(row.bytes.data(), 1, row.bytes.size(), file) == row.bytes.size();
        if (std::fclose(file) != 0 || !written) {
            return 1;
        }
    }
    return 0;
}
