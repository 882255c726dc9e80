#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ScriptedDialogs.h"
#include "document/Reporter.h"
#include "shell/MainDialog.h"

namespace rw {
namespace {

// Runs the command line on a file; it must end by itself, never by a signal,
// and report without raw escape bytes.
void RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QString::fromUtf8(RIGWRIGHT_CLI), args);
    ASSERT_TRUE(cli.waitForFinished(-1));
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit) << args.join(' ').toStdString();
    EXPECT_LE(cli.exitCode(), 2);
    EXPECT_FALSE((cli.readAllStandardOutput() + cli.readAllStandardError()).contains('\x1b'));
}

// The files of scripts/hostile-corpus.py through the command line's check,
// set and resave and the editor's load, fill, store, save and Undo All. The test's
// time limit is the guard against hangs.
TEST(HostileFilesTest, EveryFileLoadsChecksAndSavesAtOnce) {
    QTemporaryDir dir;
    const QString corpus = dir.filePath("corpus");
    ASSERT_EQ(
        QProcess::execute("python3", {RIGWRIGHT_SOURCE_DIR "/scripts/hostile-corpus.py", corpus}),
        0);
    for (const QFileInfo& file : QDir(corpus).entryInfoList(QDir::Files)) {
        SCOPED_TRACE(file.fileName().toStdString());
        RunCli({"check", file.filePath()});
        RunCli({"keys", file.filePath()});
        RunCli({"resave", file.filePath(), dir.filePath("resaved.ini")});
        const QString copy = dir.filePath("set.ini");
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(file.filePath(), copy));
        RunCli({"set", copy, "car.name", "Set"});
        if (file.fileName() == "long-value-line.ini") {
            // Longer than the writer's buffer: it goes out whole, on its line.
            QFile resaved(dir.filePath("resaved.ini"));
            ASSERT_TRUE(resaved.open(QIODevice::ReadOnly));
            EXPECT_TRUE(
                resaved.readAll().contains("\r\n   name=" + QByteArray(4 << 20, 'x') + "\r\n"));
        }

        ScriptedDialogs dialogs;
        dialogs.answers.assign(2, MessageAnswer::Yes);
        MainDialog window(dialogs);
        window.LoadAtStart(file.filePath().toStdString());
        if (window.Document().IsOpen()) {
            window.Forms().Figures().Recalculate(window.Forms());
            EXPECT_TRUE(window.Document().SaveDocument());
            window.Document().UndoAll();
        }
        for (const std::string& text : dialogs.MessageTexts()) {
            EXPECT_LE(text.size(), kExcerptLength + 200) << text.substr(0, 300);
        }
    }
}

}  // namespace
}  // namespace rw
