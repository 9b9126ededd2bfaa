// WCAG contrast, and the edge colours derived from a palette: whatever the scheme, an edge stands
// out from both the window and the boxes' fill, and the focus edge from both as well.
#include "ui/common/colour_contrast.h"

#include <QPalette>

#include <gtest/gtest.h>

#include <string>

namespace quillon {
namespace {

TEST(ColourContrast, RatiosAgreeWithTheGuidelinesWorkedValues) {
    struct Case {
        QColor first;
        QColor second;
        double ratio;
    };
    const Case cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {QColor(0x1e, 0x1e, 0x1e), QColor(0x2a, 0x2a, 0x2a), 1.16},
        {QColor(0x35, 0x84, 0xe4), QColor(0x2a, 0x2a, 0x2a), 3.81},
        {QColor(0xff, 0x00, 0x00), QColor(0xff, 0x00, 0x00), 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.005)
            << c.first.name().toStdString() << " on " << c.second.name().toStdString();
    }
}

TEST(ColourContrast, MixingGoesFromTheFirstColourToTheSecond) {
    EXPECT_EQ(mixColours(Qt::black, Qt::white, 0), QColor(Qt::black));
    EXPECT_EQ(mixColours(Qt::black, Qt::white, 1), QColor(Qt::white));
    EXPECT_EQ(mixColours(QColor(0x20, 0x40, 0x60), QColor(0x40, 0x80, 0xc0), 0.5),
              QColor(0x30, 0x60, 0x90));
}

QPalette scheme(QColor window, QColor text, QColor base, QColor highlight) {
    QPalette palette(window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

TEST(ColourContrast, EdgesStandOutFromTheWindowAndTheFillInEveryScheme) {
    struct Case {
        const char* name;
        QPalette palette;
    };
    const Case cases[] = {
        {"light", scheme(QColor(0xef, 0xef, 0xef), Qt::black, Qt::white, QColor(0x30, 0x8c, 0xc6))},
        {"dark", scheme(QColor(0x2a, 0x2a, 0x2a), QColor(0xee, 0xee, 0xee),
                        QColor(0x1e, 0x1e, 0x1e), QColor(0x35, 0x84, 0xe4))},
        {"high contrast", scheme(Qt::black, Qt::white, Qt::black, QColor(0x1a, 0xeb, 0xff))},
        {"high contrast, light", scheme(Qt::white, Qt::black, Qt::white, QColor(0x37, 0x00, 0x6e))},
        // Boxes darker than a light window, and a highlight that hardly shows.
        {"dark boxes on light", scheme(QColor(0xe0, 0xe0, 0xe0), Qt::black,
                                       QColor(0x30, 0x30, 0x30), QColor(0xd0, 0xd0, 0xff))},
        // Text too faint to give an edge: black or white has to.
        {"faint text", scheme(QColor(0x80, 0x80, 0x80), QColor(0x90, 0x90, 0x90),
                              QColor(0x80, 0x80, 0x80), QColor(0x88, 0x88, 0x88))},
        {"faint text, dark", scheme(QColor(0x20, 0x20, 0x20), QColor(0x30, 0x30, 0x30),
                                    QColor(0x10, 0x10, 0x10), QColor(0x20, 0x20, 0x30))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QColor window = c.palette.color(QPalette::Window);
        const QColor base = c.palette.color(QPalette::Base);
        for (const QColor& edge : {edgeColour(c.palette), focusEdgeColour(c.palette)}) {
            SCOPED_TRACE(edge.name().toStdString());
            EXPECT_GE(contrastRatio(edge, window), 3.0);
            EXPECT_GE(contrastRatio(edge, base), 3.0);
        }
    }
}

TEST(ColourContrast, EdgesStayBetweenTheWindowAndItsText) {
    // An edge is no louder than it needs to be: in the usual schemes it lies half way, well
    // short of the text's own colour.
    const QPalette light =
        scheme(QColor(0xef, 0xef, 0xef), Qt::black, Qt::white, QColor(0x30, 0x8c, 0xc6));
    EXPECT_EQ(edgeColour(light), QColor(0x78, 0x78, 0x78));
    const QPalette dark = scheme(QColor(0x2a, 0x2a, 0x2a), QColor(0xee, 0xee, 0xee),
                                 QColor(0x1e, 0x1e, 0x1e), QColor(0x35, 0x84, 0xe4));
    EXPECT_EQ(edgeColour(dark), QColor(0x8c, 0x8c, 0x8c));
    // A highlight that already stands out is the focus edge as it is.
    EXPECT_EQ(focusEdgeColour(dark), QColor(0x35, 0x84, 0xe4));
}

} // namespace
} // namespace quillon
