// picgen: draws the pictures of the calculator's buttons and its icons from their geometry
// and writes them as the files the program embeds (ui/pictures/). Run it again whenever a
// picture changes; the same program always writes the same bytes.
//
//   picgen OUTPUT_FOLDER [--contact-sheet FILE.png]
//
// To update the pictures: picgen ui/pictures --contact-sheet artifacts/pictures_sheet.png,
// look at the sheet, and commit ui/pictures/ (the test picgen_output insists they match).
// docs/pictures_contact_sheet.png is a compressed copy of the sheet for reading online.
#include "catalogue.h"
#include "contact_sheet.h"
#include "pictures.h"
#include "writers.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

bool write_file(const std::filesystem::path& path, const picgen::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "picgen: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

bool write_pictures(const std::filesystem::path& folder) {
    using namespace picgen;
    for (const ButtonPictures& button : buttons) {
        for (Look look : looks) {
            const std::string name =
                std::string(button.stem) + "." + std::string(look_name(look)) + ".jpg";
            if (!write_file(folder / name, jpeg_file(button_picture(button, look)))) return false;
        }
    }
    const platform::RgbImage window_icon = icon_picture(1);
    const platform::RgbImage program_icon = icon_picture(2);
    return write_file(folder / "window_icon.ico", icon_file(window_icon, IconEntry::Layout)) &&
           write_file(folder / "program_icon.ico", icon_file(program_icon, IconEntry::Exact)) &&
           write_file(folder / "program_icon.png", png_file(program_icon));
}

} // namespace

int main(int argc, char** argv) {
    const std::string usage = "usage: picgen OUTPUT_FOLDER [--contact-sheet FILE.png]\n";
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--contact-sheet")) {
        std::fputs(usage.c_str(), stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "picgen: cannot create %s: %s\n", folder.string().c_str(),
                     error.message().c_str());
        return 1;
    }
    if (!write_pictures(folder)) return 1;
    if (argc == 4 && !write_file(argv[3], picgen::png_file(picgen::contact_sheet()))) return 1;
    return 0;
}
