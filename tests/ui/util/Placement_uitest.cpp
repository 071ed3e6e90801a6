// Placing a dialog beside what it must leave visible, and the directory of
// the shipped examples.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "ui/util/DataPaths.h"
#include "ui/util/Placement.h"

using zek::ui::PositionBeside;

class PlacementTest : public QObject {
    Q_OBJECT

private slots:
    void besideTheLine() {
        const QRect screen(0, 0, 1600, 1000);
        const QSize dialog(800, 400);
        const struct {
            const char* what;
            QRect line;
            QPoint preferred;
            QPoint expected;
        } cases[] = {
            {"not covered: stays", QRect(0, 50, 900, 16), QPoint(400, 300), QPoint(400, 300)},
            {"covered: goes below", QRect(0, 350, 900, 16), QPoint(400, 300), QPoint(400, 374)},
            {"near the bottom: goes above", QRect(0, 700, 900, 16), QPoint(400, 500), QPoint(400, 292)},
            {"kept on the screen", QRect(0, 350, 1600, 16), QPoint(1200, 300), QPoint(800, 374)},
        };
        for (const auto& c : cases) {
            const std::optional<QPoint> position = PositionBeside(dialog, c.line, screen, c.preferred);
            QVERIFY2(position.has_value(), c.what);
            QCOMPARE(*position, c.expected);
        }
        // No room above or below: the caller leaves the dialog where it is.
        QVERIFY(!PositionBeside(QSize(800, 600), QRect(0, 450, 900, 16), screen, QPoint(400, 200)).has_value());
    }

    void examplesFromTheInstallationOrTheSourceTree() {
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        const QString source = zek::ui::ExamplesDirectoryFor(bin);
        QVERIFY(QDir(source).exists(QStringLiteral("schleife.zek")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/zek/examples")));
        QCOMPARE(zek::ui::ExamplesDirectoryFor(bin), prefix.filePath(QStringLiteral("share/zek/examples")));
        QCOMPARE(zek::ui::ExamplesDirectory(), source);  // a test runs from the build tree
    }
};

QTEST_MAIN(PlacementTest)
#include "Placement_uitest.moc"
