#include <QApplication>

#include "Fonts.h"
#include "Form1.h"
#include "MessageBoxReporter.h"
#include "SharedState.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    fonts::registerApplicationFonts();

    SharedState state;
    MessageBoxReporter messages;
    Form1 board(state, messages);
    board.Form_Load();
    board.show();
    return app.exec();
}
