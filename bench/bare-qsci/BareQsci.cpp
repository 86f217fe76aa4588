// velto_bare_qsci [--colourise] FILE: the reference for timing the editor from outside: a
// bare QsciScintilla window with QScintilla's own HTML lexer, opening one file the way a
// plain QScintilla program would, with the same timing marks as velto. With --colourise
// it styles the whole file with the lexer and ends without showing a window, as the
// reference for `velto-tool colour-runs --count`.
#include "ui/support/TimingMarks.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    velto::TimingMarks::InstallIfAsked();
    const bool colourise = argc == 3 && std::strcmp(argv[1], "--colourise") == 0;
    if (argc != (colourise ? 3 : 2)) {
        std::fprintf(stderr, "usage: velto_bare_qsci [--colourise] FILE\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "velto_bare_qsci: cannot open %s\n", path);
        return 1;
    }
    const QByteArray bytes = file.readAll();

    QsciScintilla editor;
    QsciLexerHTML lexer;
    editor.setUtf8(true);
    editor.setLexer(&lexer);
    // The text as bytes, without QString's conversion, as velto hands it over.
    editor.SendScintilla(QsciScintilla::SCI_SETTEXT, bytes.constData());
    editor.SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    if (colourise) {
        editor.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
        const long styled = editor.SendScintilla(QsciScintilla::SCI_GETENDSTYLED);
        std::printf("styled %ld of %lld bytes\n", styled, static_cast<long long>(bytes.size()));
        return 0;
    }
    editor.resize(1000, 700);
    editor.show();
    return QApplication::exec();
}
