#pragma once

class QBoxLayout;
class QDialog;
class QWidget;

// What every dialog of the library shares.
namespace dialog_parts {

// The owner window a caller hands over as a handle.
inline QWidget* owner(void* handle) { return static_cast<QWidget*>(handle); }

// Adds "OK" and "キャンセル" buttons that accept and reject `dialog`.
void addOkCancel(QDialog* dialog, QBoxLayout* layout);

}  // namespace dialog_parts
