#include "Recordset.h"

#include "Criteria.h"
#include "RecordsetImpl.h"

namespace dao {

Value Field::value() const
{
    return m_rs->get(m_name);
}

Field& Field::operator=(const Value& v)
{
    m_rs->set(m_name, v);
    return *this;
}

Recordset::Recordset(std::unique_ptr<RecordsetImpl> impl) : m_impl(std::move(impl))
{
}
Recordset::~Recordset() = default;

Value Recordset::get(const std::string& name) const
{
    return m_impl->get(name);
}
Value Recordset::getRequired(const std::string& name, const std::string& expected) const
{
    return m_impl->getRequired(name, expected);
}
void Recordset::set(const std::string& name, const Value& value)
{
    m_impl->set(name, value);
}
int Recordset::fieldPosition(const std::string& name) const
{
    return m_impl->fieldIndex(name);
}
Value Recordset::getAt(int position) const
{
    return m_impl->get(position);
}
void Recordset::getTextAt(int position, std::string& text) const
{
    m_impl->getText(position, text);
}
std::vector<std::string> Recordset::fieldNames() const
{
    return m_impl->fieldNames();
}
bool Recordset::hasField(const std::string& name) const
{
    return m_impl->hasField(name);
}

void Recordset::AddNew()
{
    m_impl->AddNew();
}
void Recordset::Edit()
{
    m_impl->Edit();
}
void Recordset::Update()
{
    m_impl->Update();
}
void Recordset::CancelUpdate()
{
    m_impl->CancelUpdate();
}
void Recordset::Delete()
{
    m_impl->Delete();
}
EditState Recordset::editMode() const
{
    return m_impl->editMode();
}
Bookmark Recordset::LastModified() const
{
    return m_impl->LastModified();
}

void Recordset::MoveFirst()
{
    m_impl->MoveFirst();
}
void Recordset::MoveLast()
{
    m_impl->MoveLast();
}
void Recordset::MoveNext()
{
    m_impl->MoveNext();
}
void Recordset::MovePrevious()
{
    m_impl->MovePrevious();
}
void Recordset::Move(long long rows)
{
    m_impl->Move(rows);
}
void Recordset::ForEachRow(const std::function<void()>& visit)
{
    m_impl->forEachRow(visit);
}
bool Recordset::BOF() const
{
    return m_impl->BOF();
}
bool Recordset::EOF_() const
{
    return m_impl->EOF_();
}
long long Recordset::RecordCount() const
{
    return m_impl->RecordCount();
}
long long Recordset::AbsolutePosition() const
{
    return m_impl->AbsolutePosition();
}

void Recordset::FindFirst(const std::string& criteria)
{
    m_impl->find(RecordsetImpl::FindFrom::First, Criteria::parse(criteria));
}
void Recordset::FindLast(const std::string& criteria)
{
    m_impl->find(RecordsetImpl::FindFrom::Last, Criteria::parse(criteria));
}
void Recordset::FindNext(const std::string& criteria)
{
    m_impl->find(RecordsetImpl::FindFrom::Next, Criteria::parse(criteria));
}
void Recordset::FindPrevious(const std::string& criteria)
{
    m_impl->find(RecordsetImpl::FindFrom::Previous, Criteria::parse(criteria));
}
void Recordset::FindFirst(const std::string& field, const Value& equals)
{
    m_impl->findEqual(field, equals);
}
bool Recordset::NoMatch() const
{
    return m_impl->NoMatch();
}

Bookmark Recordset::getBookmark() const
{
    return m_impl->getBookmark();
}
void Recordset::setBookmark(const Bookmark& b)
{
    m_impl->setBookmark(b);
}

void Recordset::Close()
{
    m_impl->Close();
}
bool Recordset::isOpen() const
{
    return m_impl->isOpen();
}
const std::string& Recordset::source() const
{
    return m_impl->source();
}

std::string criteriaLiteral(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += '\'';
        quoted += c;
    }
    return quoted + "'";
}

}  // namespace dao
