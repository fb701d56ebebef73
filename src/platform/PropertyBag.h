#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

// Named property values a control reads when its host loads a saved design and
// writes when the host saves one. A value equal to its default is left out.
class PropertyBag {
public:
    QVariant read(const QString& name, const QVariant& defaultValue) const {
        return values_.value(name, defaultValue);
    }
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue) {
        if (isDefault(value, defaultValue))
            values_.remove(name);
        else
            values_.insert(name, value);
    }
    bool contains(const QString& name) const { return values_.contains(name); }
    const QMap<QString, QVariant>& values() const { return values_; }

private:
    // QVariant finds the text "0" equal to the number 0; a text is never a
    // numeric default, nor a number a text one.
    static bool isDefault(const QVariant& value, const QVariant& defaultValue) {
        const bool text = value.typeId() == QMetaType::QString;
        const bool defaultText = defaultValue.typeId() == QMetaType::QString;
        return text == defaultText && value == defaultValue;
    }

    QMap<QString, QVariant> values_;
};
