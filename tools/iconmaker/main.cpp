// Draws the window icons, command-button pictograms and message box pictures,
// the card backgrounds and the licence photographs the program loads from its
// own folder. Usage: iconmaker <program folder>

#include "card_pictures.h"
#include "command_icons.h"
#include "ico_file.h"
#include "jpeg_file.h"
#include "message_icons.h"
#include "portraits.h"
#include "window_icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

namespace {

constexpr int pictureSize = 32;

bool report(const QString& path, const QString& error)
{
    if (error.isEmpty())
        return true;
    std::fprintf(stderr, "iconmaker: cannot write %s: %s\n", qPrintable(path), qPrintable(error));
    return false;
}

bool writeWindowIcon(const WindowIcon& icon, const QString& path)
{
    QList<QImage> images;
    for (int size : windowIconSizes)
        images.append(render([&](QPainter& p) { icon.draw(p, size); }, size));
    return report(path, writeIcoFile(path, images));
}

bool writePng(const QString& path, const Drawing& draw)
{
    QImageWriter writer(path, "png");
    if (writer.write(render(draw, pictureSize)))
        return true;
    return report(path, writer.errorString());
}

} // namespace

int main(int argc, char** argv)
{
    // Runs at build time, where there may be no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: iconmaker <output folder>\n");
        return 2;
    }
    const QDir out(args[1]);
    if (!out.mkpath(QStringLiteral("Icons"))) {
        std::fprintf(stderr, "iconmaker: cannot create %s\n", qPrintable(out.filePath("Icons")));
        return 1;
    }

    bool ok = true;
    for (const WindowIcon& icon : windowIcons())
        ok = writeWindowIcon(icon, out.filePath(icon.fileName)) && ok;
    for (const QList<NamedDrawing>& pictures : {commandIcons(), messageIcons()})
        for (const NamedDrawing& icon : pictures)
            ok = writePng(out.filePath(QStringLiteral("Icons/") + icon.fileName), icon.draw) && ok;
    for (const QList<JpegPicture>& pictures : {cardPictures(), portraits()})
        for (const JpegPicture& picture : pictures) {
            const QString path = out.filePath(picture.fileName);
            ok = report(path, writeJpegFile(path, picture.draw(), picture.dotsPerInch)) && ok;
        }
    return ok ? 0 : 1;
}
