#include "sibling/Sibling.h"

#include <QByteArray>

#include "formats/Cp932.h"

namespace Sibling {
namespace {

// A dialog cannot be asked twice, so its result gets room for any path.
constexpr int kDialogBufferSize = 32 * 1024;

// Calls `fetch(buffer, size)` again with a bigger buffer while the result
// does not fit; `fetch` returns the result's full length.
template <typename Fetch>
QString fetchText(Fetch fetch) {
    QByteArray buffer(256, '\0');
    for (;;) {
        const int length = fetch(buffer.data(), static_cast<int>(buffer.size()));
        if (length < buffer.size()) return cp932::decode(QByteArrayView(buffer.constData(), qMax(length, 0)));
        buffer.resize(length + 1);
    }
}

template <typename Show>
QString dialogText(Show show) {
    QByteArray buffer(kDialogBufferSize, '\0');
    const int length = show(buffer.data(), kDialogBufferSize);
    return cp932::decode(QByteArrayView(buffer.constData(), qBound(0, length, kDialogBufferSize - 1)));
}

}  // namespace

QString GetOsInfo() {
    return fetchText([](char* out, int size) { return ::GetOsInfo(out, size); });
}

int LenB_ASCII(const QString& text) { return ::LenB_ASCII(cp932::encode(text).constData()); }

QString MidB_ASCII(const QString& text, int start, int count) {
    const QByteArray bytes = cp932::encode(text);
    return fetchText([&](char* out, int size) { return ::MidB_ASCII(bytes.constData(), start, count, out, size); });
}

QString Zf3FileDlg(QWidget* owner, const QList<QPair<QString, QString>>& filter, const QString& initialFile,
                   const QString& title) {
    // Each text ends in a NUL and the list in one more.
    QByteArray filterBytes;
    for (const auto& [description, pattern] : filter) {
        filterBytes += cp932::encode(description) + '\0';
        filterBytes += cp932::encode(pattern) + '\0';
    }
    filterBytes += '\0';
    const QByteArray initial = cp932::encode(initialFile);
    const QByteArray caption = cp932::encode(title);
    return dialogText([&](char* out, int size) {
        return ::Zf3FileDlg(owner, 0, filterBytes.constData(), initial.constData(), caption.constData(), out,
                            size);
    });
}

QString Zf3FolderDlg(QWidget* owner, const QString& title, const QString& initialFolder) {
    const QByteArray caption = cp932::encode(title);
    const QByteArray initial = cp932::encode(initialFolder);
    return dialogText([&](char* out, int size) {
        return ::Zf3FolderDlgAt(owner, caption.constData(), initial.constData(), out, size);
    });
}

bool Zf3ChooseColor(QWidget* owner, quint32& color, std::array<qint32, 17>& custom) {
    auto value = static_cast<int32_t>(color);
    const bool chosen = ::Zf3ChooseColor(owner, &value, custom.data()) != 0;
    if (chosen) color = static_cast<quint32>(value);
    return chosen;
}

int Call_dlg100(QWidget* owner, qint16 keta, qint16& zeroMode, qint16& shift, qint16& fillZero) {
    return ::Call_dlg100(owner, keta, &zeroMode, &shift, &fillZero);
}

void Call_dlg110(QWidget* owner, const QString& text) {
    ::Call_dlg110(owner, 1, cp932::encode(text).constData());
}

int Call_dlg111(QWidget* owner, DateRecord& date) { return ::Call_dlg111(owner, &date); }

int ZF4_GetPlgInfo(const QString& path, PlgInfo& info) {
    info = PlgInfo{};
    return ::ZF4_GetPlgInfo(cp932::encode(path).constData(), &info);
}

void ZF4_SetPlgComment(const QString& path, QWidget* textBox) {
    ::ZF4_SetPlgComment(cp932::encode(path).constData(), textBox);
}

void ZF4_SetCorpAddList(const QString& path, QWidget* list) {
    ::ZF4_SetCorpAddList(cp932::encode(path).constData(), list);
}

void ZF4_DrawSeiriken(const QString& path, QPainter* dc, const QString& stopName, const QString& date,
                      const QString& time, qint32 routeNo, qint16 ticketNo, qint16 stopNo, qint32 companyIndex) {
    ::ZF4_DrawSeiriken(cp932::encode(path).constData(), dc, cp932::encode(stopName).constData(),
                       cp932::encode(date).constData(), cp932::encode(time).constData(), routeNo, ticketNo, stopNo,
                       companyIndex);
}

}  // namespace Sibling
