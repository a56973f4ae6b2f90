// The asset tool's pictures and sounds, drawn once per build and shared by the tests.
#include "support/art.h"

#include <unistd.h>

#include <cstdlib>
#include <string>

namespace corvanth::test {

namespace fs = std::filesystem;

fs::path GameArt() {
    const fs::path build = fs::path(CORVANTH_SCREENS_DIR).parent_path();
    const fs::path tool = build / "tools" / "makeassets" / "corvanth_assets";
    const fs::path art = build / "e2e-art";
    if (fs::exists(art) || !fs::exists(tool)) return art;
    // Appended, not concatenated: GCC 12's release build takes the latter for an overlapping copy.
    std::string name("e2e-art-");
    name.append(std::to_string(getpid()));
    const fs::path scratch = build / name;
    std::string command(1, '\'');
    command.append(tool.string()).append("' '").append(scratch.string()).append("' >/dev/null");
    if (std::system(command.c_str()) == 0) {
        std::error_code ec;
        fs::rename(scratch, art, ec);  // another test may have been quicker: its copy is the same
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return art;
}

void LinkGameArt(const fs::path& dir) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(GameArt(), ec))
        if (!fs::exists(dir / entry.path().filename(), ec))
            fs::create_symlink(entry.path(), dir / entry.path().filename(), ec);
}

}  // namespace corvanth::test
