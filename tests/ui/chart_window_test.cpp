// The chart screen's window: its picture box paints the drawing the press
// computed, a drag on it zooms, and the saved SVG is that same drawing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "catalog/catalog.h"
#include "shell/memory_app.h"
#include "shell/svg.h"
#include "ui/picture_box.h"
#include "ui/qt_host.h"

namespace entalix::ui {
namespace {

using shell::ScreenId;

TEST(ChartWindow, PaintsTheDrawingOfThePressZoomsAndSavesIt) {
    QtHost host(catalog::screen_desc);
    host.controller().ShowScreen(ScreenId::Form19);
    auto* box = dynamic_cast<PictureBox*>(host.window(ScreenId::Form19)->control("Picture1"));
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->drawing().has_value());
    // The same drawing as the windowless model of the application gets.
    shell::MemoryApp model(catalog::screen_desc);
    model.controller().ShowScreen(ScreenId::Form19);
    EXPECT_EQ(box->drawing()->primitives, model.host().model(ScreenId::Form19).pictures.at("Picture1").primitives);

    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(box, QPoint(400, 300));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(400, 300));
    const shell::Fields fields = host.fields(ScreenId::Form19);
    EXPECT_NE(fields.text("View"), "hs 5.5 8.5 2000 3700");
    EXPECT_EQ(fields.text("Picture1_Rect"), "200 100 400 300");

    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(box->save_svg(svg));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), shell::svg_of(*box->drawing()));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_TRUE(box->save_png(png));
    EXPECT_EQ(QImage(png).size(), QSize(2 * box->drawing()->width, 2 * box->drawing()->height));
    EXPECT_FALSE(box->save_svg(dir.filePath(QStringLiteral("no/such/folder/chart.svg"))));
}

}  // namespace
}  // namespace entalix::ui
