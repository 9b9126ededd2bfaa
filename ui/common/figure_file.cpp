#include "ui/common/figure_file.h"

#include "figures/svg_writer.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QSaveFile>

namespace quillon {

void copyFigureImage(const Figure& figure, QSize size, const FigurePalette& palette) {
    QImage image = figureImage(figure, size, kFigureFileScale, palette);
    // A pasted image keeps its pixels; the ratio would only shrink it in some programs.
    image.setDevicePixelRatio(1.0);
    QGuiApplication::clipboard()->setImage(image);
}

FigureFormat figureFormatOf(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? FigureFormat::Svg
                                                                     : FigureFormat::Png;
}

bool saveFigure(const Figure& figure, const QString& path, QSize size,
                const FigurePalette& palette) {
    QByteArray bytes;
    if (figureFormatOf(path) == FigureFormat::Svg) {
        const std::string svg =
            writeSvg(figure, SvgSize{size.width(), size.height()}, svgColours(palette));
        bytes = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    } else {
        QImage image = figureImage(figure, size, kFigureFileScale, palette);
        image.setDevicePixelRatio(1.0);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace quillon
