#include <QColorDialog>

#include <algorithm>

#include "zfp4res/src/DialogParts.h"
#include "zfp4res/ZFP4Res.h"

namespace {

// Colours cross as 0x00BBGGRR.
QColor fromColorRef(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

int32_t toColorRef(const QColor& color) {
    return static_cast<int32_t>(static_cast<uint32_t>(color.red()) | static_cast<uint32_t>(color.green()) << 8 |
                                static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace

extern "C" {

ZFP4RES_API int32_t Zf3ChooseColor(void* owner, int32_t* color, int32_t* custom) {
    // Qt keeps 16 custom colours; the table's seventeenth has no place there.
    const int customSlots = std::min(QColorDialog::customCount(), 16);
    if (custom)
        for (int i = 0; i < customSlots; ++i) QColorDialog::setCustomColor(i, fromColorRef(custom[i]));

    QColorDialog dialog(dialog_parts::owner(owner));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("色の設定"));
    if (color) dialog.setCurrentColor(fromColorRef(*color));
    const bool accepted = dialog.exec() == QDialog::Accepted;

    // Custom colours the user set stay, as they do in the dialog itself.
    if (custom)
        for (int i = 0; i < customSlots; ++i) custom[i] = toColorRef(QColorDialog::customColor(i));
    if (!accepted) return 0;
    if (color) *color = toColorRef(dialog.selectedColor());
    return 1;
}

}  // extern "C"
