#include "zfp4res/src/TicketPlugin.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <map>

namespace ticket {
namespace {

struct Failure {
    int line;
    QString message;
};

[[noreturn]] void fail(int line, QString message) { throw Failure{line, std::move(message)}; }

enum class Kind { Plugin, Remarks, Companies, Text, Number, Line, Frame, Barcode };

struct SectionKind {
    const char16_t* name;
    Kind kind;
    std::array<const char16_t*, 12> keys;  // the keys it takes; unused places stay null

    bool takes(QStringView key) const {
        return std::any_of(keys.begin(), keys.end(), [&](const char16_t* k) { return k && key == QStringView(k); });
    }
};

const std::array kSectionKinds{
    SectionKind{u"plugin", Kind::Plugin,
                {u"format", u"size", u"route-max", u"stops", u"barcode-route", u"company-switch", u"print-date",
                 u"print-time", u"print-route", u"print-stop-name", u"print-barcode", u"paper"}},
    SectionKind{u"remarks", Kind::Remarks, {}},
    SectionKind{u"companies", Kind::Companies, {}},
    SectionKind{u"text", Kind::Text,
                {u"box", u"text", u"font", u"size", u"weight", u"align", u"valign", u"color", u"show"}},
    SectionKind{u"number", Kind::Number,
                {u"box", u"text", u"font", u"size", u"weight", u"align", u"valign", u"color", u"show"}},
    SectionKind{u"line", Kind::Line, {u"from", u"to", u"width", u"style", u"color", u"show"}},
    SectionKind{u"frame", Kind::Frame, {u"box", u"border", u"radius", u"style", u"color", u"fill", u"show"}},
    SectionKind{u"barcode", Kind::Barcode, {u"box", u"data", u"color"}},
};

const SectionKind* sectionNamed(QStringView name) {
    for (const auto& kind : kSectionKinds)
        if (name == QStringView(kind.name)) return &kind;
    return nullptr;
}

// Full-width digits, signs and letters typed with a Japanese input method
// read as their plain forms in everything but texts.
QString plain(QStringView value) { return value.toString().normalized(QString::NormalizationForm_KC).trimmed().toLower(); }

struct Entry {
    QString value;  // as written, trimmed
    int line = 0;
};

struct Section {
    const SectionKind* kind = nullptr;
    int line = 0;
    std::map<QString, Entry> entries;
    QStringList lines;  // remarks and companies

    QString title() const { return u'[' + QString::fromUtf16(kind->name) + u']'; }

    std::optional<Entry> get(const char16_t* key) const {
        const auto it = entries.find(QString::fromUtf16(key));
        return it == entries.end() ? std::nullopt : std::optional<Entry>(it->second);
    }
    Entry need(const char16_t* key) const {
        if (auto entry = get(key)) return *entry;
        fail(line, QStringLiteral("%1 needs a line \"%2 = ...\"").arg(title(), QString::fromUtf16(key)));
    }
};

// ---- values ---------------------------------------------------------------

template <typename T>
T choose(const Entry& entry, std::initializer_list<std::pair<const char16_t*, T>> choices) {
    const QString value = plain(entry.value);
    QStringList names;
    for (const auto& [name, result] : choices) {
        if (value == QStringView(name)) return result;
        names << QString::fromUtf16(name);
    }
    fail(entry.line, QStringLiteral("\"%1\" is not one of: %2").arg(entry.value, names.join(QStringLiteral(", "))));
}

bool boolean(const Entry& entry) {
    return choose<bool>(entry, {{u"yes", true}, {u"no", false}, {u"true", true}, {u"false", false}, {u"on", true},
                                {u"off", false}, {u"1", true}, {u"0", false}});
}

int integer(QStringView text, const Entry& entry, int low, int high, const QString& what) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) fail(entry.line, QStringLiteral("%1: \"%2\" is not a whole number").arg(what, text));
    if (value < low || value > high)
        fail(entry.line, QStringLiteral("%1 must be %2 to %3, not %4").arg(what).arg(low).arg(high).arg(value));
    return value;
}

int integer(const Entry& entry, int low, int high, const QString& what) {
    return integer(plain(entry.value), entry, low, high, what);
}

// Numbers separated by commas, blanks or an 'x' (3300 x 1740).
std::vector<int> integers(const Entry& entry, int count, int low, int high, const QString& what) {
    static const QRegularExpression separators(QStringLiteral("[\\s,x×]+"));
    const QStringList parts = plain(entry.value).split(separators, Qt::SkipEmptyParts);
    if (parts.size() != count)
        fail(entry.line, QStringLiteral("%1 takes %2 numbers, not \"%3\"").arg(what).arg(count).arg(entry.value));
    std::vector<int> values;
    for (const QString& part : parts) values.push_back(integer(part, entry, low, high, what));
    return values;
}

QColor color(const Entry& entry) {
    const QColor value = QColor::fromString(plain(entry.value));
    if (!value.isValid())
        fail(entry.line, QStringLiteral("\"%1\" is not a colour (write #rrggbb or a name such as black)").arg(entry.value));
    return value;
}

// A text value; quotes keep blanks at its ends.
QString text(const Entry& entry) {
    QString value = entry.value;
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') value = value.sliced(1, value.size() - 2);
    return value;
}

Show show(const Section& section) {
    const auto entry = section.get(u"show");
    if (!entry) return Show::Always;
    return choose<Show>(*entry, {{u"always", Show::Always},
                                 {u"in-range", Show::InRange},
                                 {u"out-of-range", Show::OutOfRange},
                                 {u"route-in-range", Show::RouteInRange},
                                 {u"route-out-of-range", Show::RouteOutOfRange},
                                 {u"stop-in-range", Show::StopInRange},
                                 {u"stop-out-of-range", Show::StopOutOfRange}});
}

Qt::PenStyle style(const Section& section) {
    const auto entry = section.get(u"style");
    if (!entry) return Qt::SolidLine;
    return choose<Qt::PenStyle>(*entry, {{u"solid", Qt::SolidLine}, {u"dashed", Qt::DashLine}, {u"dotted", Qt::DotLine}});
}

QColor colorOr(const Section& section, const char16_t* key, QColor fallback) {
    const auto entry = section.get(key);
    return entry ? color(*entry) : fallback;
}

Template compiled(const Entry& entry, Template::Use use) {
    QString error;
    auto result = Template::compile(text(entry), use, error);
    if (!result) fail(entry.line, error);
    return *result;
}

// ---- the parser -----------------------------------------------------------

class Parser {
public:
    explicit Parser(QByteArrayView bytes) { split(bytes); }

    ParseResult run() {
        readSections();
        auto plugin = std::make_shared<Plugin>();
        const Section* head = nullptr;
        for (const Section& s : sections_) {
            if (s.kind->kind == Kind::Plugin) head = &s;
            if (s.kind->kind == Kind::Remarks) plugin->remarks = remarks(s);
            if (s.kind->kind == Kind::Companies) plugin->companies = s.lines;
        }
        if (!head) fail(0, QStringLiteral("the file has no [plugin] section"));
        readHead(*head, *plugin);
        for (const Section& s : sections_) readElement(s, *plugin);
        checkDeclarations(*head, *plugin);
        return {std::move(plugin), 0, {}};
    }

private:
    void split(QByteArrayView bytes) {
        if (bytes.size() > limits::kFileBytes)
            fail(0, QStringLiteral("the file is larger than %1 bytes").arg(limits::kFileBytes));
        if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
        QStringDecoder decoder(QStringConverter::Utf8);
        QString all = decoder(bytes);
        if (decoder.hasError()) fail(0, QStringLiteral("the file is not UTF-8 text"));
        all.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        lines_ = all.split(u'\n');
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            for (const QChar c : std::as_const(lines_[i]))
                if (c.unicode() < 0x20 && c != u'\t') fail(int(i + 1), QStringLiteral("a control character in the text"));
            if (lines_[i].size() > limits::kLineChars)
                fail(int(i + 1), QStringLiteral("the line is longer than %1 characters").arg(limits::kLineChars));
        }
    }

    // A header names a known section; inside the remarks anything else is text.
    static const SectionKind* header(const QString& line, bool strict, int number) {
        const QString t = plain(line);
        if (!t.startsWith(u'[') || !t.endsWith(u']')) return nullptr;
        const QString name = t.sliced(1, t.size() - 2).trimmed();
        if (const SectionKind* kind = sectionNamed(name)) return kind;
        if (strict) fail(number, QStringLiteral("unknown section %1").arg(line.trimmed()));
        return nullptr;
    }

    void readSections() {
        int elements = 0;
        int barcodes = 0;
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            const int number = int(i + 1);
            const QString& raw = lines_[i];
            const bool inRemarks = !sections_.empty() && sections_.back().kind->kind == Kind::Remarks;
            if (const SectionKind* kind = header(raw, !inRemarks, number)) {
                const bool single = kind->kind == Kind::Plugin || kind->kind == Kind::Remarks || kind->kind == Kind::Companies;
                if (single && std::any_of(sections_.begin(), sections_.end(), [&](const Section& s) { return s.kind == kind; }))
                    fail(number, QStringLiteral("a second [%1] section").arg(QString::fromUtf16(kind->name)));
                if (!single && ++elements > limits::kElements)
                    fail(number, QStringLiteral("more than %1 drawing sections").arg(limits::kElements));
                if (kind->kind == Kind::Barcode && ++barcodes > limits::kBarcodes)
                    fail(number, QStringLiteral("more than %1 barcodes").arg(limits::kBarcodes));
                sections_.push_back({kind, number, {}, {}});
                continue;
            }
            if (inRemarks) {
                addRemark(raw, number);
                continue;
            }
            const QString trimmed = raw.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#')) continue;
            if (sections_.empty()) fail(number, QStringLiteral("text before the first [section]"));
            Section& section = sections_.back();
            if (section.kind->kind == Kind::Companies) {
                addCompany(section, trimmed, number);
                continue;
            }
            addEntry(section, trimmed, number);
        }
    }

    // Blank lines after the last text are dropped, so they count only once
    // text follows them.
    void addRemark(const QString& raw, int number) {
        Section& section = sections_.back();
        QString line = raw;
        while (!line.isEmpty() && line.back().isSpace()) line.chop(1);
        if (line.size() > limits::kValueChars)
            fail(number, QStringLiteral("a line of remarks is longer than %1 characters").arg(limits::kValueChars));
        remarkChars_ += line.size() + 1;
        section.lines << line;
        if (line.isEmpty()) return;
        if (section.lines.size() > limits::kRemarkLines)
            fail(number, QStringLiteral("more than %1 lines of remarks").arg(limits::kRemarkLines));
        if (remarkChars_ > limits::kRemarkChars)
            fail(number, QStringLiteral("the remarks are longer than %1 characters").arg(limits::kRemarkChars));
    }

    void addEntry(Section& section, const QString& line, int number) {
        qsizetype equals = line.indexOf(u'=');
        const qsizetype wide = line.indexOf(u'\uFF1D');  // a full-width '=' typed by an input method
        if (equals < 0 || (wide >= 0 && wide < equals)) equals = wide;
        if (equals < 0) fail(number, QStringLiteral("expected \"key = value\""));
        QString key = plain(line.left(equals));
        key.replace(QRegularExpression(QStringLiteral("[\\s_]+")), QStringLiteral("-"));
        if (key == u"colour") key = QStringLiteral("color");
        if (!section.kind->takes(key))
            fail(number, QStringLiteral("%1 has no key \"%2\"").arg(section.title(), key));
        if (section.entries.count(key))
            fail(number, QStringLiteral("\"%1\" is given twice in this %2").arg(key, section.title()));
        const QString value = line.sliced(equals + 1).trimmed();
        if (value.isEmpty()) fail(number, QStringLiteral("\"%1\" has no value").arg(key));
        if (value.size() > limits::kValueChars)
            fail(number, QStringLiteral("the value is longer than %1 characters").arg(limits::kValueChars));
        section.entries.emplace(key, Entry{value, number});
    }

    void addCompany(Section& section, const QString& name, int number) {
        if (section.lines.size() >= limits::kCompanies)
            fail(number, QStringLiteral("more than %1 company names").arg(limits::kCompanies));
        if (name.size() > limits::kCompanyChars)
            fail(number, QStringLiteral("a company name is longer than %1 characters").arg(limits::kCompanyChars));
        section.lines << name;
    }

    QString remarks(const Section& section) const {
        QStringList lines = section.lines;
        while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
        while (!lines.isEmpty() && lines.front().isEmpty()) lines.removeFirst();
        return lines.join(u'\n');
    }

    void readHead(const Section& s, Plugin& p) {
        const Entry format = s.need(u"format");
        p.formatVersion = integer(format, 1, 1, QStringLiteral("format (this library reads format 1)"));
        const Entry size = s.need(u"size");
        const auto wh = integers(size, 2, limits::kTicketTwipsMin, limits::kTicketTwipsMax, QStringLiteral("size"));
        p.width = wh[0];
        p.height = wh[1];
        p.routeMax = integer(s.need(u"route-max"), 1, limits::kRouteMax, QStringLiteral("route-max"));
        const Entry stops = s.need(u"stops");
        static const QRegularExpression range(QStringLiteral("^(\\d+)\\s*(?:-|~|〜|\\.\\.)\\s*(\\d+)$"));
        const auto match = range.match(plain(stops.value));
        if (!match.hasMatch()) fail(stops.line, QStringLiteral("stops: write the range as \"1 - 99\""));
        p.stopFrom = integer(match.captured(1), stops, 1, limits::kStopMax, QStringLiteral("stops"));
        p.stopTo = integer(match.captured(2), stops, 1, limits::kStopMax, QStringLiteral("stops"));
        if (p.stopTo < p.stopFrom) fail(stops.line, QStringLiteral("stops: the range ends before it begins"));
        if (const auto mode = s.get(u"barcode-route"))
            p.barcodeSerial = choose<bool>(*mode, {{u"serial", true}, {u"route-and-direction", false}});
        p.paper = colorOr(s, u"paper", Qt::white);
    }

    QRect box(const Section& s, const Plugin& p) const {
        const Entry entry = s.need(u"box");
        const auto v = integers(entry, 4, 0, limits::kTicketTwipsMax, QStringLiteral("box"));
        const QRect rect(v[0], v[1], v[2], v[3]);
        if (v[2] < 1 || v[3] < 1) fail(entry.line, QStringLiteral("the box has no width or no height"));
        if (v[0] + v[2] > p.width || v[1] + v[3] > p.height)
            fail(entry.line, QStringLiteral("the box reaches beyond the ticket (%1 x %2)").arg(p.width).arg(p.height));
        return rect;
    }

    QPoint point(const Entry& entry, const Plugin& p) const {
        const auto v = integers(entry, 2, 0, limits::kTicketTwipsMax, QStringLiteral("a point"));
        if (v[0] > p.width || v[1] > p.height)
            fail(entry.line, QStringLiteral("the point lies beyond the ticket (%1 x %2)").arg(p.width).arg(p.height));
        return {v[0], v[1]};
    }

    void readElement(const Section& s, Plugin& p) const {
        switch (s.kind->kind) {
        case Kind::Text:
        case Kind::Number: p.elements.emplace_back(textElement(s, p)); break;
        case Kind::Line: {
            LineElement e;
            e.from = point(s.need(u"from"), p);
            e.to = point(s.need(u"to"), p);
            if (e.from == e.to) fail(s.line, QStringLiteral("the line starts where it ends"));
            if (const auto w = s.get(u"width")) e.width = integer(*w, 1, limits::kStrokeTwipsMax, QStringLiteral("width"));
            e.style = style(s);
            e.color = colorOr(s, u"color", Qt::black);
            e.show = show(s);
            p.elements.emplace_back(e);
            break;
        }
        case Kind::Frame: {
            FrameElement e;
            e.box = box(s, p);
            const int half = std::min(e.box.width(), e.box.height()) / 2;
            if (const auto b = s.get(u"border")) e.border = integer(*b, 0, std::min(half, limits::kStrokeTwipsMax), QStringLiteral("border"));
            if (const auto r = s.get(u"radius")) e.radius = integer(*r, 0, half, QStringLiteral("radius"));
            e.style = style(s);
            e.color = colorOr(s, u"color", Qt::black);
            if (const auto f = s.get(u"fill"); f && plain(f->value) != u"none") e.fill = color(*f);
            e.show = show(s);
            p.elements.emplace_back(e);
            break;
        }
        case Kind::Barcode: {
            BarcodeElement e;
            e.box = box(s, p);
            e.data = compiled(s.need(u"data"), Template::Use::Barcode);
            e.color = colorOr(s, u"color", Qt::black);
            ++p.barcodeCount;
            p.elements.emplace_back(e);
            break;
        }
        default: break;
        }
    }

    TextElement textElement(const Section& s, const Plugin& p) const {
        const bool number = s.kind->kind == Kind::Number;
        TextElement e;
        e.box = box(s, p);
        // A number shows the ticket number unless told otherwise.
        const auto source = number ? s.get(u"text") : std::optional<Entry>(s.need(u"text"));
        e.text = compiled(source ? *source : Entry{QStringLiteral("{ticket}"), s.line}, Template::Use::Text);
        if (e.text.uses(Field::Company) && p.companies.isEmpty())
            fail(source ? source->line : s.line, QStringLiteral("{company} needs a [companies] section with at least one name"));
        e.font = QStringLiteral("ＭＳ ゴシック");
        if (const auto font = s.get(u"font")) {
            e.font = text(*font).trimmed();
            if (e.font.isEmpty() || e.font.size() > limits::kFontChars)
                fail(font->line, QStringLiteral("a font name is 1 to %1 characters").arg(limits::kFontChars));
        }
        e.fit = number;
        if (const auto size = s.get(u"size")) {
            const QString value = plain(size->value);
            e.fit = value == u"fit";
            if (!e.fit) {
                bool ok = false;
                e.points = value.toDouble(&ok);
                if (!ok || !(e.points >= limits::kPointsMin && e.points <= limits::kPointsMax))
                    fail(size->line, QStringLiteral("size is \"fit\" or %1 to %2 points").arg(limits::kPointsMin).arg(limits::kPointsMax));
            }
        }
        e.weight = number ? 700 : 400;
        if (const auto weight = s.get(u"weight")) {
            const QString value = plain(weight->value);
            e.weight = value == u"normal" ? 400 : value == u"bold" ? 700 : integer(*weight, 100, 900, QStringLiteral("weight (normal, bold or 100 to 900)"));
        }
        e.align = number ? Align::Center : Align::Left;
        if (const auto align = s.get(u"align"))
            e.align = choose<Align>(*align, {{u"left", Align::Left}, {u"center", Align::Center}, {u"centre", Align::Center}, {u"right", Align::Right}});
        if (const auto valign = s.get(u"valign"))
            e.valign = choose<VAlign>(*valign, {{u"top", VAlign::Top}, {u"middle", VAlign::Middle}, {u"center", VAlign::Middle}, {u"bottom", VAlign::Bottom}});
        e.color = colorOr(s, u"color", Qt::black);
        e.show = show(s);
        return e;
    }

    // What the ticket prints follows from its layout; a declaration that
    // says otherwise is a mistake worth pointing at.
    void checkDeclarations(const Section& head, Plugin& p) const {
        const auto printed = [&](std::initializer_list<Field> fields) {
            for (const Element& element : p.elements) {
                if (const auto* t = std::get_if<TextElement>(&element); t && t->text.usesAnyOf(fields)) return true;
                if (const auto* b = std::get_if<BarcodeElement>(&element); b && b->data.usesAnyOf(fields)) return true;
            }
            return false;
        };
        struct Flag {
            const char16_t* key;
            bool* field;
            bool actual;
            const char* what;
        };
        const Flag flags[] = {
            {u"print-date", &p.printDate, printed({Field::Date, Field::Year, Field::Yy, Field::Month, Field::Day}), "the date"},
            {u"print-time", &p.printTime, printed({Field::Time, Field::Hour, Field::Minute, Field::Second}), "the time"},
            {u"print-route", &p.printRoute, printed({Field::Route, Field::Line, Field::Dir}), "the route number"},
            {u"print-stop-name", &p.printStopName, printed({Field::Stop}), "the stop name"},
            {u"print-barcode", nullptr, p.barcodeCount > 0, "a barcode"},
        };
        for (const Flag& flag : flags) {
            if (flag.field) *flag.field = flag.actual;
            const auto entry = head.get(flag.key);
            if (entry && boolean(*entry) != flag.actual)
                fail(entry->line, flag.actual ? QStringLiteral("%1 = no, but the ticket prints %2").arg(QString::fromUtf16(flag.key), QLatin1String(flag.what))
                                              : QStringLiteral("%1 = yes, but nothing on the ticket prints %2").arg(QString::fromUtf16(flag.key), QLatin1String(flag.what)));
        }
        if (p.barcodeCount > 0 && !head.get(u"barcode-route"))
            fail(head.line, QStringLiteral("a ticket with barcodes needs \"barcode-route = serial\" or \"barcode-route = route-and-direction\""));
        p.companySwitch = p.companies.size() >= 2;
        if (const auto entry = head.get(u"company-switch")) {
            p.companySwitch = boolean(*entry);
            if (p.companySwitch && p.companies.isEmpty())
                fail(entry->line, QStringLiteral("company-switch = yes needs a [companies] section with the names"));
        }
    }

    QStringList lines_;
    std::vector<Section> sections_;
    int remarkChars_ = 0;
};

}  // namespace

ParseResult parsePlugin(QByteArrayView bytes) {
    try {
        return Parser(bytes).run();
    } catch (const Failure& failure) {
        return {nullptr, failure.line, failure.message};
    }
}

}  // namespace ticket
