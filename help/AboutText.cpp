#include "help/AboutText.h"

#include <cstdio>

namespace velkor {

VersionInfo build_version_info()
{
    VersionInfo info;
#ifdef VELKOR_FILE_VERSION
    info.file_version = VELKOR_FILE_VERSION;
    info.distribution_type = VELKOR_DISTRIBUTION_TYPE;
    info.build_date = VELKOR_BUILD_DATE;
    info.legal_copyright = VELKOR_LEGAL_COPYRIGHT;
    info.fixed_version =
        std::array<int, 4>{VELKOR_VERSION_MAJOR, VELKOR_VERSION_MINOR, VELKOR_VERSION_PATCH, VELKOR_VERSION_BUILD};
#endif
    return info;
}

AboutLines about_lines(const VersionInfo& info, bool shift_held)
{
    AboutLines lines;
    if (info.file_version && info.distribution_type) {
        std::string version = *info.file_version;
        if (shift_held && info.fixed_version) {
            const auto& v = *info.fixed_version;
            char text[96];
            std::snprintf(text, sizeof text, "%d.%d (Maint %d, Build %d)", v[0], v[1], v[2], v[3]);
            version = text;
        }
        std::string line = "Version " + version;
        if (info.distribution_type->empty() || info.distribution_type->front() != 'R')
            line += " " + *info.distribution_type;
        lines.version_line = line;
    }
    if (shift_held && info.build_date)
        lines.second_line = *info.build_date;
    else if (info.legal_copyright)
        lines.second_line = *info.legal_copyright;
    return lines;
}

} // namespace velkor
