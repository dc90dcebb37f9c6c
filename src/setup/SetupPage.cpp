#include "setup/SetupPage.h"

#include "common/DateFormat.h"
#include "common/NumberFormat.h"
#include "common/PrintRoutines.h"

namespace setup {

std::string SetupPageText(const std::string& label, int page)
{
    return label + o::PrintedNumber(page);
}

std::string SetupHeaderLine(const dao::Value& companyName, const std::string& title, const dao::Date& printedAt,
                            const std::string& pageText)
{
    return "【" + companyName.toText() + "】" + title + o::FormatDate(printedAt, o::kHeaderDateTime) + pageText;
}

SetupPage::SetupPage(printing::PrinterDevice& device, dao::Value companyName, dao::Date printedAt, int margin)
    : m_device(device), m_companyName(std::move(companyName)), m_printedAt(printedAt), m_margin(margin)
{
}

SetupPage SetupPage::withMargin(int margin) const
{
    return SetupPage(m_device, m_companyName, m_printedAt, margin);
}

void SetupPage::line(const std::string& text)
{
    m_device.setCurrentX(0);
    m_device.print(std::string(static_cast<std::size_t>(m_margin), ' ') + text);
}

void SetupPage::blankLines(int n)
{
    o::PrintNewLines(m_device, n);
}

void SetupPage::gap()
{
    o::PrintLineGap(m_device);
}

void SetupPage::headerLine(const std::string& title, const std::string& pageText)
{
    line(SetupHeaderLine(m_companyName, title, m_printedAt, pageText));
}

void SetupPage::headerBlock(const std::string& title, const std::string& pageText)
{
    blankLines(1);
    headerLine(title, pageText);
    gap();
    blankLines(1);
}

void SetupPage::newPage()
{
    m_device.newPage();
}

bool SetupPage::roomFor(int lines) const
{
    if (m_device.currentY() <= 0.0)
        return true;  // the top of a page: a new page would give no more room
    const double lineHeight = m_device.textHeight("1");
    return m_device.currentY() + lines * lineHeight <= m_device.scaleHeight();
}

}  // namespace setup
