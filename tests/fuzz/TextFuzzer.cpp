// libFuzzer entry: the program's hostile text inputs. The first byte picks
// the reader, the rest is the text:
//   0  the update service's list reply (<Confirm>, <list>, then entries of
//      three "|"-ended fields), walked the way an update run walks it
//   1  Brand.xml in the data directory
//   2  the state file SundryVars.dat, read and then written back by a setter
//   3  the proxy settings file and its <Proxy_Port_80> value
//   4  any text file: UTF-8, or Windows-1252 when it is not UTF-8
//   5  data dates and padded fields as the state and update lists hand them on
// Each must return, and what it returns must hold together.
//
//   text_fuzzer -max_len=8192 -timeout=10 corpus/text_fuzzer
#include "FuzzSupport.h"

#include "dataset/ZSundryVars.h"
#include "shell/BrandSettings.h"
#include "support/AppContext.h"
#include "support/EditionConfig.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

fs::path g_dir;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "text fuzzer: %s\n", what);
    std::abort();
}

void Expect(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

QString Write(const char* name, const uint8_t* data, size_t size)
{
    const fs::path path = g_dir / name;
    pafdm::fuzz::WriteBytes(path, data, size);
    return QString::fromStdString(path.string());
}

// GetTagValue's answer is a piece of the source right after the start marker.
QString Tag(const QString& start, const QString& source, const QString& end)
{
    const QString value = pafdm::GetTagValue(start, source, end);
    if (!value.isEmpty()) {
        const qsizetype at = source.indexOf(start);
        Expect(at >= 0 && source.mid(at + start.size(), value.size()) == value, "tag value is not the source's");
        Expect(!value.contains(end) || end.isEmpty(), "tag value runs past its end marker");
    }
    return value;
}

void UpdateList(const QString& reply)
{
    using namespace pafdm;
    if (Tag(QStringLiteral("<Confirm>"), reply, QStringLiteral("</Confirm>")).isEmpty())
        return;
    QString list = Tag(QStringLiteral("<list>"), reply, QStringLiteral("</list>"));
    const int total = CountOccurrences(list, QStringLiteral("http"));
    Expect(total >= 0 && total <= list.size(), "occurrence count out of range");
    const QString separator = QStringLiteral("|");
    auto next = [&]() {
        const QString before = list;
        const QString field = NextField(list, true, separator);
        if (before.contains(separator))
            Expect(field + separator + list == before, "field and remainder do not make up the list");
        else
            Expect(field.isEmpty() && list == before, "a list without separator changed");
        return field;
    };
    const qsizetype bound = list.size() + 1;
    qsizetype entries = 0;
    for (QString url = next();; url = next()) {
        (void)next();
        const QString name = next();
        (void)name;
        if (url.isEmpty())
            break;
        if (++entries > bound)
            Fail("update list never ends");
    }
}

void Brand(pafdm::AppContext& ctx, const uint8_t* data, size_t size)
{
    (void)Write("Brand.xml", data, size);
    const auto read = pafdm::GetBrandSettings(ctx);
    Expect(bool(read), "Brand.xml in a readable folder failed");
    const QString text = pafdm::ReadTextFile(ctx.clock(), ctx.DataPath(QStringLiteral("Brand.xml")), {}, false);
    Expect(ctx.brand.applicationName.size() <= text.size(), "brand value longer than the file");
}

void Sundry(pafdm::AppContext& ctx, const uint8_t* data, size_t size)
{
    (void)Write("SundryVars.dat", data, size);
    pafdm::ZSundryVars vars(ctx);
    const auto loaded = vars.load(true);
    Expect(bool(loaded), "state file in a readable folder failed");
    // The setter keeps what the file holds and writes its own value so that
    // it reads back.
    const auto set = vars.SetData_UpdateDate_F(QStringLiteral("20990101"));
    Expect(bool(set), "state file could not be written back");
    pafdm::ZSundryVars again(ctx);
    Expect(bool(again.load(true)), "written state file cannot be read");
    Expect(again.Data_UpdateDate_F == QLatin1String("20990101"), "state value did not read back");
}

void Proxy(pafdm::AppContext& ctx, const uint8_t* data, size_t size)
{
    const QString path = Write("RegServerProxySettings.xml", data, size);
    const QString text = pafdm::ReadTextFile(ctx.clock(), path, QString(), false);
    const QString value = Tag(QStringLiteral("<Proxy_Port_80>"), QLatin1Char(' ') + text + QLatin1Char(' '),
                              QStringLiteral("</Proxy_Port_80>"));
    Expect(value.size() <= text.size() + 1, "proxy value longer than the file");
}

void AnyText(pafdm::AppContext& ctx, const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    // The first byte chooses whether "|" is replaced.
    const bool replace = data[0] & 1;
    const QString path = Write("text.txt", data + 1, size - 1);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString bar = replace ? QStringLiteral("/") : QString();
    const QString text = pafdm::ReadTextFile(ctx.clock(), path, bar, false);
    if (replace)
        Expect(!text.contains(QLatin1Char('|')), "bar left in place");
    // Replacement marks are never made up: a file is either good UTF-8 or
    // read byte for byte.
    if (!bytes.contains("\xEF\xBF\xBD"))
        Expect(!text.contains(QChar(0xFFFD)), "replacement mark in the text");
    bool ascii = true;
    for (char c : bytes)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {
        QString expected = QString::fromLatin1(bytes);
        if (replace)
            expected.replace(QLatin1Char('|'), bar);
        Expect(text == expected, "ASCII text changed in reading");
    }
}

void Dates(const QString& text, const uint8_t* data, size_t size)
{
    using namespace pafdm;
    Expect(DecodeStoredText(EncodeStoredText(text)) == text, "stored text does not decode to itself");
    const QDateTime date = DateFromYmd(text);
    Expect(date.isValid(), "data date gives no date-time");
    if (IsCalendarDateYmd(text)) {
        Expect(text.size() == 8, "calendar date of the wrong length");
        Expect(date.date().year() >= 1000 && date.date().year() <= 9999, "calendar date out of range");
        Expect(date.date().toString(QStringLiteral("yyyyMMdd")) == text, "calendar date reads as another day");
    }
    if (size >= 2) {
        const qint16 width = static_cast<qint16>(data[1] % 64);
        const QString padded = PadRight(text, width, QStringLiteral(" "));
        Expect(padded.size() == width, "padded field of the wrong width");
        Expect(padded.startsWith(text.left(width)), "padded field lost its text");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_dir = pafdm::fuzz::MakeScratchDirectory("text");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 6;
    ++data;
    --size;
    pafdm::fuzz::ClearDirectory(g_dir);
    pafdm::fuzz::SilentOperator ui;
    pafdm::fuzz::NoWaitClock clock;
    pafdm::AppContext ctx(pafdm::EditionConfig::Quorly(), ui, clock);
    ctx.dataDirectory = QString::fromStdString(g_dir.string());
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    switch (mode) {
    case 0: UpdateList(text); break;
    case 1: Brand(ctx, data, size); break;
    case 2: Sundry(ctx, data, size); break;
    case 3: Proxy(ctx, data, size); break;
    case 4: AnyText(ctx, data, size); break;
    default: Dates(text, data, size); break;
    }
    return 0;
}
