// Writes the application icon as PNG files of the usual sizes, for the installation:
// export_icons FOLDER writes FOLDER/<size>x<size>/apps/velkor.png.
#include "app/AppIcons.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) ||
            !velkor::draw_velkor_icon(velkor::IconKind::CheckedIn, size).save(folder + "/velkor.png", "PNG")) {
            std::fprintf(stderr, "cannot write the %dx%d icon in %s\n", size, size, qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
