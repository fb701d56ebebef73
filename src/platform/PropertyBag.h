#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <functional>
#include <type_traits>
#include <vector>

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

// One stored property of a control: its name, its default, and how it is
// taken from and given to the control. One table of them drives both the
// reading and the writing, in the table's order.
template <class Control>
struct StoredProperty {
    QString name;
    QVariant defaultValue;
    std::function<QVariant(const Control&)> get;
    std::function<void(Control&, const QVariant&)> set;

    // A property kept in a data member as it is stored.
    template <class T>
    static StoredProperty field(const QString& name, T Control::*member, T defaultValue) {
        return {name, QVariant(defaultValue), [member](const Control& c) { return QVariant(c.*member); },
                [member](Control& c, const QVariant& v) { c.*member = stored<T>(v); }};
    }

    template <class T>
    static T stored(const QVariant& v) {
        if constexpr (std::is_same_v<T, bool>) return v.toBool();
        else if constexpr (std::is_same_v<T, quint32>) return v.toUInt();
        else return static_cast<T>(v.toInt());
    }
};

template <class Control>
void readProperties(Control& control, const PropertyBag& bag, const std::vector<StoredProperty<Control>>& table) {
    for (const auto& property : table) property.set(control, bag.read(property.name, property.defaultValue));
}

template <class Control>
void writeProperties(const Control& control, PropertyBag& bag, const std::vector<StoredProperty<Control>>& table) {
    for (const auto& property : table) bag.write(property.name, property.get(control), property.defaultValue);
}
