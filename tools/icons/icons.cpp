// Renders the program's icon into the files that installers use:
//   icons OUTPUT_FOLDER
// rotaschedule-SIZE.png for the desktop's icon theme (16 to 256 pixels) and
// rotaschedule.ico (the same sizes, as PNG images) for the Windows resource.

#include "app/qt/appicon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#include <iostream>

namespace {

void appendLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: icons OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    QList<QByteArray> images;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        appPixmap(size).save(&buffer, "PNG");
        images << png;
        QFile file(out.filePath(QStringLiteral("rotaschedule-%1.png").arg(size)));
        if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size())
            return 1;
    }
    // An icon file: a header, one directory entry per image, then the images.
    QByteArray ico;
    appendLittleEndian(ico, 0, 2);
    appendLittleEndian(ico, 1, 2);
    appendLittleEndian(ico, static_cast<quint32>(images.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const int size = sizes[i];
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        ico.append(static_cast<char>(size >= 256 ? 0 : size));
        appendLittleEndian(ico, 0, 2);  // no palette, reserved
        appendLittleEndian(ico, 1, 2);  // planes
        appendLittleEndian(ico, 32, 2); // bits per pixel
        appendLittleEndian(ico, static_cast<quint32>(images[i].size()), 4);
        appendLittleEndian(ico, offset, 4);
        offset += static_cast<quint32>(images[i].size());
    }
    for (const QByteArray& image : images)
        ico += image;
    QFile file(out.filePath(QStringLiteral("rotaschedule.ico")));
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() ? 0 : 1;
}
