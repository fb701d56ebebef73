// Prints the size of the image on the clipboard ("WxH"), or "none": the
// end-to-end checks read what the program copied through a client of its own.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        std::puts("none");
        return 1;
    }
    std::printf("%dx%d\n", image.width(), image.height());
    return 0;
}
