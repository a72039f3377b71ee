#include "dataset/ZSundryVars.h"

#include "support/AppContext.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

namespace pafdm {

namespace {

const QString kFileName = QStringLiteral("SundryVars.dat");

struct Element {
    QString ZSundryVars::*member;
    const char* tag;
};

// The file's lines, in order.
constexpr Element kElements[] = {
    {&ZSundryVars::Data_UpdateDate_F, "Data_UpdateDate_F"},
    {&ZSundryVars::Data_UpdateDate_T, "Data_UpdateDate_T"},
    {&ZSundryVars::Data_UpdateDate_Z, "Data_UpdateDate_Z"},
};

QString StartTag(const Element& element)
{
    return QStringLiteral("<") + QLatin1String(element.tag) + QStringLiteral(">");
}

QString EndTag(const Element& element)
{
    return QStringLiteral("</") + QLatin1String(element.tag) + QStringLiteral(">");
}

} // namespace

ZSundryVars::ZSundryVars(AppContext& ctx)
    : m_ctx(ctx)
{ }

QString ZSundryVars::FilePath() const
{
    return m_ctx.DataPath(kFileName);
}

Expected<bool> ZSundryVars::load(bool ForRead)
{
    if (m_loaded && !ForRead)
        return true;
    const Expected<bool> exists = FileExists(FilePath());
    if (!exists)
        return exists.error();
    if (!exists.value())
        return true;
    const Expected<QString> text = ReadEncodedFile(m_ctx.clock(), FilePath());
    if (!text)
        return text.error();
    if (text.value().isEmpty())
        return true;
    for (const Element& element : kElements)
        this->*element.member = GetTagValue(StartTag(element), text.value(), EndTag(element));
    m_loaded = true;
    return true;
}

Expected<Done> ZSundryVars::save()
{
    QString text;
    for (const Element& element : kElements)
        text += StartTag(element) + this->*element.member + EndTag(element) + QStringLiteral("\r\n");
    const Expected<Done> written = WriteEncodedFile(m_ctx.clock(), FilePath(), text);
    m_loaded = false;
    return written;
}

Expected<Done> ZSundryVars::SetValue(QString ZSundryVars::*member, const QString& value)
{
    const Expected<bool> loaded = load(true);
    if (!loaded)
        return loaded.error();
    this->*member = value;
    return save();
}

Expected<Done> ZSundryVars::SetData_UpdateDate_F(const QString& value)
{
    return SetValue(&ZSundryVars::Data_UpdateDate_F, value);
}

Expected<Done> ZSundryVars::SetData_UpdateDate_T(const QString& value)
{
    return SetValue(&ZSundryVars::Data_UpdateDate_T, value);
}

Expected<Done> ZSundryVars::SetData_UpdateDate_Z(const QString& value)
{
    return SetValue(&ZSundryVars::Data_UpdateDate_Z, value);
}

} // namespace pafdm
