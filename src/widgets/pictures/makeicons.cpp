// Build-time tool: writes the program's picture as the theme icons a
// desktop shows, at the usual sizes, into hicolor/<size>x<size>/apps/.
//   makeicons OUTPUT_FOLDER ICON_NAME
#include <QDir>
#include <QImage>
#include <cstdio>

#include "programicon.xpm"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: makeicons OUTPUT_FOLDER ICON_NAME\n");
        return 2;
    }
    const QImage picture(programicon);
    if (picture.isNull()) {
        std::fprintf(stderr, "makeicons: the program's picture does not read\n");
        return 1;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Whole multiples keep the drawing's square pixels; other sizes are
        // smoothed rather than left with uneven ones.
        const Qt::TransformationMode mode =
            size % picture.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
        const QImage icon =
            picture.convertToFormat(QImage::Format_ARGB32).scaled(size, size, Qt::IgnoreAspectRatio, mode);
        const QString folder =
            QStringLiteral("%1/hicolor/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, QString::fromLocal8Bit(argv[2]));
        if (!QDir().mkpath(folder) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
