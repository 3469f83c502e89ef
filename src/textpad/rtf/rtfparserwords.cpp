// SPDX-License-Identifier: GPL-3.0-or-later
// The parser's control words: which destination a word opens, and where the others apply.
#include "textpad/rtf/rtffieldinstruction.h"
#include "textpad/rtf/rtfparser.h"

#include <utility>

namespace textpad::richtext {

namespace {

bool isDestination(RtfWord word)
{
    return word >= RtfWord::SkipDestination && word <= RtfWord::ParagraphNumbering;
}

// Destination words that only name where the group's text goes.
constexpr std::pair<RtfWord, RtfDestination> plainDestinations[] = {
    { RtfWord::SkipDestination, RtfDestination::Skip },
    { RtfWord::FontTable, RtfDestination::FontTable },
    { RtfWord::ColorTable, RtfDestination::ColorTable },
    { RtfWord::ListTable, RtfDestination::ListTable },
    { RtfWord::ListOverrideTable, RtfDestination::ListOverrideTable },
};

} // namespace

void RtfParser::handleWord(const RtfToken &token)
{
    const RtfControlWord control = lookupControlWord(token.data);
    const bool starred = std::exchange(m_starred, false);
    if (state().destination == RtfDestination::Skip)
        return;
    if (starred && !isDestination(control.word)) {
        flushText();
        state().destination = RtfDestination::Skip;
        return;
    }
    if (handleTextWord(control, token))
        return;
    flushText();
    if (!handleDestinationWord(control.word))
        handleWordInDestination(control.word, token);
}

// Words that add characters or say how to read them; they do not end the pending text.
bool RtfParser::handleTextWord(const RtfControlWord &control, const RtfToken &token)
{
    switch (control.word) {
    case RtfWord::Unknown:
        return true;
    case RtfWord::Character:
        appendCharacter(QChar(control.character));
        return true;
    case RtfWord::Unicode:
        appendUnicode(token.param);
        return true;
    case RtfWord::UnicodeSkip:
        state().unicodeSkip = qBound(0, token.param, 16);
        return true;
    default:
        return false;
    }
}

bool RtfParser::handleDestinationWord(RtfWord word)
{
    if (!isDestination(word))
        return false;
    for (const auto &[destinationWord, destination] : plainDestinations) {
        if (destinationWord == word) {
            state().destination = destination;
            return true;
        }
    }
    using Handler = void (RtfParser::*)();
    static constexpr std::pair<RtfWord, Handler> handlers[] = {
        { RtfWord::ShapePropertyName, &RtfParser::beginShapePropertyName },
        { RtfWord::ShapePropertyValue, &RtfParser::beginShapePropertyValue },
        { RtfWord::Picture, &RtfParser::beginPicture },
        { RtfWord::Field, &RtfParser::beginField },
        { RtfWord::FieldInstruction, &RtfParser::beginFieldInstruction },
        { RtfWord::FieldResult, &RtfParser::beginFieldResult },
        { RtfWord::ParagraphNumbering, &RtfParser::beginParagraphNumbering },
    };
    for (const auto &[handlerWord, handler] : handlers) {
        if (handlerWord == word)
            (this->*handler)();
    }
    return true; // a pass-through group's text belongs to the group around it
}

void RtfParser::beginShapePropertyName()
{
    m_shapeProperty.clear();
    state().destination = RtfDestination::ShapePropertyName;
}

// Of a shape's properties only its picture is content; the rest is geometry and fills.
void RtfParser::beginShapePropertyValue()
{
    state().destination
        = m_shapeProperty.trimmed() == u"pib" ? RtfDestination::Hidden : RtfDestination::Skip;
}

void RtfParser::beginPicture()
{
    if (m_pictureDepth > 0)
        finishPicture();
    m_picture.begin();
    m_pictureDepth = m_stack.size();
    state().destination = RtfDestination::Picture;
}

// A second \field in one group replaces the first: never more fields than groups.
void RtfParser::beginField()
{
    const Field field { m_stack.size(), QString(), QString(), false };
    if (!m_fields.empty() && m_fields.back().depth == m_stack.size())
        m_fields.back() = field;
    else
        m_fields.push_back(field);
}

void RtfParser::beginFieldInstruction()
{
    state().destination
        = m_fields.empty() ? RtfDestination::Skip : RtfDestination::FieldInstruction;
}

void RtfParser::beginFieldResult()
{
    if (m_fields.empty())
        return;
    Field &field = m_fields.back();
    if (!field.linkKnown)
        field.link = hyperlinkTarget(field.instruction);
    field.linkKnown = true;
    if (!field.link.isEmpty())
        state().format.link = field.link;
}

void RtfParser::beginParagraphNumbering()
{
    RtfGroupState &current = state();
    current.destination = current.destination == RtfDestination::Body
        ? RtfDestination::ParagraphNumbering
        : RtfDestination::Skip;
}

void RtfParser::handleWordInDestination(RtfWord word, const RtfToken &token)
{
    RtfGroupState &current = state();
    switch (current.destination) {
    case RtfDestination::FontTable:
    case RtfDestination::ColorTable:
        if (word == RtfWord::Par || word == RtfWord::Pard) {
            recoverFromUnclosedTable();
            handleBodyWord(word, token);
            return;
        }
        m_tables.applyTableWord(word, token.param, false);
        return;
    case RtfDestination::ListTable:
    case RtfDestination::ListOverrideTable:
        m_tables.applyTableWord(
            word, token.param, current.destination == RtfDestination::ListOverrideTable);
        return;
    case RtfDestination::Picture:
        m_picture.applyWord(word, token.param);
        return;
    case RtfDestination::ParagraphNumbering:
        current.applyNumberingWord(word, token.param);
        return;
    default:
        handleBodyWord(word, token);
        return;
    }
}

void RtfParser::handleBodyWord(RtfWord word, const RtfToken &token)
{
    RtfGroupState &current = state();
    const bool body = current.destination == RtfDestination::Body;
    switch (word) {
    case RtfWord::Par:
        if (body)
            m_builder.endParagraph(state().resolvedParagraph(m_tables.lists()), current.inTable);
        return;
    case RtfWord::Cell:
        if (body)
            m_builder.endCell(state().resolvedParagraph(m_tables.lists()));
        return;
    case RtfWord::Row:
        return;
    default:
        break;
    }
    if (current.applyCharacterWord(word, token.param, token.hasParam, m_tables.colors()))
        return;
    if (current.applyParagraphWord(word, token.param))
        return;
    m_tables.applyDocumentWord(word, token.param);
}

void RtfParser::handleSymbol(char symbol)
{
    switch (symbol) {
    case '*':
        m_starred = true;
        break;
    case '\\':
    case '{':
    case '}':
        appendCharacter(QLatin1Char(symbol));
        break;
    case '~':
        appendCharacter(QChar(0x00A0));
        break;
    case '-':
        appendCharacter(QChar(0x00AD));
        break;
    case '_':
        appendCharacter(QChar(0x2011));
        break;
    case '\r':
    case '\n':
        flushText();
        handleBodyWord(RtfWord::Par, RtfToken());
        break;
    default:
        break;
    }
}

} // namespace textpad::richtext
