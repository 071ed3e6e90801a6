#include "ui/shell/ExerciseCheck.h"

#include <QEventLoop>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "core/exercise/CaseDirectory.h"
#include "core/exercise/ExerciseParser.h"
#include "core/exercise/ExerciseReport.h"
#include "core/exercise/ExerciseRun.h"
#include "core/store/ZekState.h"
#include "ui/util/FileDialogs.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/QtText.h"

namespace zek::ui {
namespace {

const QString Title = QStringLiteral("ZEK: Aufgabe prüfen");
constexpr int QuietMilliseconds = 400;  // a check this short shows no progress dialog
constexpr int PollMilliseconds = 20;

// Waits until the run has finished, letting the window system work. A
// short check holds user input back; a longer one shows a modal progress
// dialog whose cancel button aborts the running cases. False when cancelled.
bool WaitWithProgress(QWidget* parent, ExerciseRun& run) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(PollMilliseconds);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (run.Finished()) loop.quit();
    });
    poll.start();
    QTimer::singleShot(QuietMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!run.Finished()) {
        QProgressDialog dialog(QStringLiteral("Aufgabe wird geprüft ..."), QString(), 0,
                               static_cast<int>(run.CaseCount()), parent);
        dialog.setObjectName(QStringLiteral("AufgabePruefen"));
        dialog.setWindowTitle(Title);
        auto* cancel = new QPushButton(QStringLiteral("Abbrechen"));
        cancel->setObjectName(QStringLiteral("Abbrechen"));
        dialog.setCancelButton(cancel);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&run] { run.Cancel(); });
        QObject::connect(&poll, &QTimer::timeout, &dialog, [&] { dialog.setValue(static_cast<int>(run.CasesDone())); });
        dialog.show();
        loop.exec();
    }
    run.Wait();
    return !run.Cancelled();
}

QString ReportText(const QString& testFile, const Exercise& exercise, const std::vector<CaseResult>& results) {
    QStringList lines;
    if (!exercise.title.empty()) lines << QStringLiteral("Aufgabe: ") + FromCore(exercise.title);
    lines << QStringLiteral("Prüfdatei: ") + testFile << QString();
    for (const CaseResult& result : results)
        for (const std::string& line : CaseReportLines(result)) lines << FromCore(line);
    lines << QString() << FromCore(SummaryLine(results));
    return lines.join(QLatin1Char('\n'));
}

QString Summary(const std::vector<CaseResult>& results) {
    const QString cases = results.size() == 1 ? QStringLiteral("Fall") : QStringLiteral("Fällen");
    return QStringLiteral("Aufgabe geprüft: %1 von %2 %3 bestanden")
        .arg(PassedCount(results))
        .arg(results.size())
        .arg(cases);
}

}  // namespace

void ExerciseCheck::Refuse(const QString& message) {
    text2_(message);
    ShowMessageBox(parent_, message, Title, MessageButtons::Ok);
}

std::optional<ExerciseCheckReport> ExerciseCheck::Check(const std::string& source, bool runActive) {
    if (runActive) {
        Refuse(QStringLiteral("Während ein Programm läuft, kann keine Aufgabe geprüft werden."));
        return std::nullopt;
    }
    if (source.empty()) {
        Refuse(QStringLiteral("Programmtext ist leer. Aufgabe kann nicht geprüft werden."));
        return std::nullopt;
    }
    const std::optional<QString> chosen =
        OpenFileDialog(parent_, text2_, QStringLiteral("Aufgabe prüfen"), QStringLiteral("ZEK-Prüfdateien|*.zektest"));
    if (!chosen) return std::nullopt;
    const QString& path = *chosen;

    const std::optional<std::string> bytes = ReadFileBytes(QFile::encodeName(path).toStdString());
    if (!bytes) {
        Refuse(QStringLiteral("Die Prüfdatei %1 kann nicht gelesen werden.").arg(path));
        return std::nullopt;
    }
    const ParsedExercise parsed = ParseExercise(*bytes);
    if (parsed.error) {
        text2_(QStringLiteral("Aufgabe nicht geprüft: Prüfdatei fehlerhaft"));
        ShowMessageBox(
            parent_,
            QStringLiteral("Die Prüfdatei %1 ist fehlerhaft:\n").arg(path) + FromCore(DescribeFileError(*parsed.error)),
            Title, MessageButtons::Ok);
        return std::nullopt;
    }

    text2_(QStringLiteral("Aufgabe wird geprüft ..."));
    ExerciseRun run(parsed.exercise, source);
    run.Start();
    if (!WaitWithProgress(parent_, run)) {
        text2_(QStringLiteral("Aufgabe prüfen abgebrochen"));
        return std::nullopt;
    }
    return ExerciseCheckReport{ReportText(path, parsed.exercise, run.Results()), Summary(run.Results())};
}

}  // namespace zek::ui
