// SPDX-License-Identifier: GPL-3.0-or-later
#include "textpad/rtf/rtfparser.h"

#include "textpad/rtf/rtffieldinstruction.h"

#include <utility>

namespace textpad::richtext {

namespace {

// Deeper groups are still counted, but share the state of this level: a file of nothing but
// '{' must not cost memory in proportion to its length times the size of a group state.
constexpr size_t maxStateDepth = 4096;

// Field instructions and shape property names are short in any real file; longer ones are cut so
// that re-reading them stays cheap whatever the input.
constexpr qsizetype maxInstructionLength = 8192;
constexpr qsizetype maxPropertyNameLength = 64;

void appendLimited(QString &target, const QString &text, qsizetype limit)
{
    target.append(QStringView(text).left(qMax<qsizetype>(0, limit - target.size())));
}

bool holdsText(RtfDestination destination)
{
    return destination != RtfDestination::Skip && destination != RtfDestination::Picture;
}

} // namespace

RtfParser::RtfParser(QByteArrayView rtf)
    : m_tokenizer(rtf)
{
}

Document RtfParser::parse()
{
    m_stack.reserve(64);
    m_stack.emplace_back();
    for (RtfToken token = m_tokenizer.next(); token.type != RtfToken::Type::End;
         token = m_tokenizer.next()) {
        handleToken(token);
    }
    flushText();
    if (m_pictureDepth > 0)
        finishPicture();
    return m_builder.takeDocument(state().resolvedParagraph(m_tables.lists()));
}

void RtfParser::handleToken(RtfToken token)
{
    if (m_fallbackToSkip > 0 && consumeFallback(token))
        return;
    if (token.type != RtfToken::Type::ControlWord)
        m_starred = m_starred && token.type == RtfToken::Type::ControlSymbol && token.symbol == '*';
    const RtfDestination destination = state().destination;
    switch (token.type) {
    case RtfToken::Type::GroupStart:
        pushGroup();
        break;
    case RtfToken::Type::GroupEnd:
        popGroup();
        break;
    case RtfToken::Type::ControlWord:
        handleWord(token);
        break;
    case RtfToken::Type::ControlSymbol:
        if (destination != RtfDestination::Skip)
            handleSymbol(token.symbol);
        break;
    case RtfToken::Type::HexByte:
        if (holdsText(destination) && token.byte >= 0)
            m_pendingBytes.append(char(token.byte));
        break;
    case RtfToken::Type::Text:
        appendBytes(token.data);
        break;
    case RtfToken::Type::Binary:
        if (destination == RtfDestination::Picture)
            m_picture.appendBinary(token.data);
        break;
    case RtfToken::Type::End:
        break;
    }
}

// After \uN the next \ucN characters are the fallback for readers without Unicode: skip them.
bool RtfParser::consumeFallback(RtfToken &token)
{
    switch (token.type) {
    case RtfToken::Type::GroupStart:
    case RtfToken::Type::GroupEnd:
    case RtfToken::Type::End:
        m_fallbackToSkip = 0;
        return false;
    case RtfToken::Type::Text:
        if (token.data.size() <= m_fallbackToSkip) {
            m_fallbackToSkip -= int(token.data.size());
            return true;
        }
        token.data = token.data.sliced(m_fallbackToSkip);
        m_fallbackToSkip = 0;
        return false;
    default:
        --m_fallbackToSkip;
        return true;
    }
}

void RtfParser::pushGroup()
{
    flushText();
    if (m_stack.size() >= maxStateDepth) {
        ++m_excessDepth;
        return;
    }
    m_stack.push_back(m_stack.back());
}

void RtfParser::popGroup()
{
    flushText();
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return;
    }
    if (m_stack.size() <= 1)
        return; // a stray '}': the text after it still counts
    const RtfGroupState closed = std::move(m_stack.back());
    m_stack.pop_back();
    closeGroup(closed);
}

void RtfParser::closeGroup(const RtfGroupState &closed)
{
    if (closed.destination == RtfDestination::FontTable)
        m_tables.fonts().endEntry();
    if (closed.destination == RtfDestination::ParagraphNumbering
        && state().destination != RtfDestination::ParagraphNumbering) {
        state().list.pnKind = closed.list.pnKind;
        state().list.pnStyle = closed.list.pnStyle;
        state().list.pnLevel = closed.list.pnLevel;
    }
    if (m_pictureDepth > m_stack.size())
        finishPicture();
    while (!m_fields.empty() && m_fields.back().depth > m_stack.size())
        m_fields.pop_back();
}

void RtfParser::appendBytes(QByteArrayView bytes)
{
    const RtfDestination destination = state().destination;
    if (destination == RtfDestination::Picture)
        m_picture.appendHex(bytes);
    else if (destination != RtfDestination::Skip)
        m_pendingBytes.append(bytes.data(), bytes.size());
}

void RtfParser::appendCharacter(QChar c)
{
    flushBytes();
    m_pendingText.append(c);
}

void RtfParser::appendUnicode(int value)
{
    if (value < 0 && value >= -32768)
        value += 65536;
    appendCharacter(value >= 0 && value <= 0xFFFF ? QChar(char16_t(value))
                                                  : QChar(QChar::ReplacementCharacter));
    m_fallbackToSkip = state().unicodeSkip;
}

void RtfParser::flushBytes()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_codePages.append(m_pendingText, m_pendingBytes, currentCodePage());
    m_pendingBytes.resize(0);
}

void RtfParser::flushText()
{
    flushBytes();
    if (m_pendingText.isEmpty())
        return;
    RtfGroupState &current = state();
    switch (current.destination) {
    case RtfDestination::Body:
        if (!current.hiddenText)
            m_builder.appendText(m_pendingText, resolvedFormat());
        break;
    case RtfDestination::FontTable:
        m_tables.fonts().appendText(m_pendingText);
        break;
    case RtfDestination::ColorTable:
        m_tables.colors().appendText(m_pendingText);
        break;
    case RtfDestination::ShapePropertyName:
        appendLimited(m_shapeProperty, m_pendingText, maxPropertyNameLength);
        break;
    case RtfDestination::FieldInstruction:
        if (!m_fields.empty() && m_fields.back().instruction.size() < maxInstructionLength) {
            appendLimited(m_fields.back().instruction, m_pendingText, maxInstructionLength);
            m_fields.back().linkKnown = false;
        }
        break;
    default:
        break;
    }
    m_pendingText.clear();
}

void RtfParser::finishPicture()
{
    m_pictureDepth = 0;
    if (std::optional<Picture> picture = m_picture.finish())
        m_builder.appendPicture(std::move(*picture), resolvedFormat());
}

// A font or colour table that never closes would swallow the whole document; a paragraph word
// cannot belong to it, so the table is taken as closed there.
void RtfParser::recoverFromUnclosedTable()
{
    size_t depth = m_stack.size();
    while (depth > 1
        && (m_stack[depth - 1].destination == RtfDestination::FontTable
            || m_stack[depth - 1].destination == RtfDestination::ColorTable)) {
        --depth;
    }
    m_excessDepth = 0;
    while (m_stack.size() > depth) {
        const RtfGroupState closed = std::move(m_stack.back());
        m_stack.pop_back();
        closeGroup(closed);
    }
}

CharFormat RtfParser::resolvedFormat() const
{
    CharFormat format = state().format;
    format.font = m_tables.fontName(state().fontIndex);
    return format;
}

int RtfParser::currentCodePage() const
{
    return m_tables.codePage(state().fontIndex);
}

} // namespace textpad::richtext
