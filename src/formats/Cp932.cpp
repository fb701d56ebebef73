#include "formats/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace cp932 {
namespace {

constexpr char16_t kUndecodable = u'\u30FB';

bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// One converter per direction and thread: opening a converter costs far more
// than converting a stop name.
class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can; returns false with errno set when it stops early.
    bool convert(const char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
        char* src = const_cast<char*>(in);
        const size_t rc = iconv(handle_, &src, &inLeft, &out, &outLeft);
        in = src;
        if (rc == static_cast<size_t>(-1)) return false;
        return true;
    }
    void reset() { iconv(handle_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t handle_;
};

Converter& decoder() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}
Converter& encoder() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

}  // namespace

QString decode(QByteArrayView bytes) {
    if (bytes.isEmpty()) return {};
    // Every byte gives at most one UTF-16 unit, so the result is written in place.
    QString result(bytes.size(), Qt::Uninitialized);
    char* const start = reinterpret_cast<char*>(result.data());
    char* out = start;
    size_t outLeft = static_cast<size_t>(bytes.size()) * sizeof(char16_t);
    const auto put = [&](char16_t unit) {
        *reinterpret_cast<char16_t*>(out) = unit;
        out += sizeof(char16_t);
        outLeft -= sizeof(char16_t);
    };
    const char* in = bytes.data();
    size_t inLeft = static_cast<size_t>(bytes.size());
    Converter& conv = decoder();
    if (conv.valid()) conv.reset();
    while (inLeft > 0) {
        if (conv.valid() && conv.convert(in, inLeft, out, outLeft)) break;
        // An invalid or incomplete sequence: a lead byte takes a valid trail
        // byte with it, anything else stands alone. Without a converter only
        // ASCII stays readable.
        const auto lead = static_cast<unsigned char>(in[0]);
        size_t skip = 1;
        if (!conv.valid() && lead < 0x80)
            put(lead);
        else {
            if (isLeadByte(lead) && inLeft >= 2 && isTrailByte(static_cast<unsigned char>(in[1]))) skip = 2;
            put(kUndecodable);
        }
        in += skip;
        inLeft -= skip;
        if (conv.valid()) conv.reset();
    }
    result.truncate(static_cast<qsizetype>((out - start) / sizeof(char16_t)));
    return result;
}

QByteArray encode(const QString& text) {
    if (text.isEmpty()) return {};
    Converter& conv = encoder();
    QByteArray result;
    if (!conv.valid()) {
        for (QChar c : text) result.append(c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?');
        return result;
    }
    conv.reset();
    std::vector<char> buffer(static_cast<size_t>(text.size()) * 2 + 2);
    const char* in = reinterpret_cast<const char*>(text.utf16());
    size_t inLeft = static_cast<size_t>(text.size()) * sizeof(char16_t);
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const bool done = conv.convert(in, inLeft, out, outLeft);
        result.append(buffer.data(), out - buffer.data());
        if (done) break;
        if (errno == E2BIG) continue;
        // One '?' per character that has no form, a surrogate pair included.
        const char16_t unit = *reinterpret_cast<const char16_t*>(in);
        const bool pair = QChar::isHighSurrogate(unit) && inLeft >= 4 &&
                          QChar::isLowSurrogate(*reinterpret_cast<const char16_t*>(in + 2));
        const size_t skip = pair ? 4 : 2;
        result.append('?');
        in += skip;
        inLeft -= skip;
        conv.reset();
    }
    return result;
}

}  // namespace cp932
