#include "page_controls.h"

#include "control_table.h"
#include "json_writer.h"
#include "player.h"
#include "session_input.h"
#include "text_catalog.h"

#include <nlohmann/json.hpp>

#include <stdexcept>

namespace vspace {

namespace {

using json = nlohmann::ordered_json;

void fieldJson(JsonWriter &out, Field field)
{
    out.beginObject().key("row").string(kRowNames[static_cast<std::size_t>(field.row)]);
    out.key("index").number(field.index).endObject();
}

// A value as a text field can hold it: a field keeps no line break, so each shows as "⏎"; bytes
// that are not UTF-8 show as U+FFFD, as the page would decode them.
std::string shownInField(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\r' || byte == '\n') {
            shown += "\u23CE";
            i += byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        const std::size_t length = byte < 0x80                   ? 1
                                   : byte >= 0xC2 && byte < 0xE0 ? 2
                                   : byte >= 0xE0 && byte < 0xF0 ? 3
                                   : byte >= 0xF0 && byte < 0xF5 ? 4
                                                                 : 0;
        if (length && i + length <= text.size() && validUtf8(text.substr(i, length))) {
            shown.append(text, i, length);
            i += length;
        } else {
            shown += "\uFFFD";
            ++i;
        }
    }
    return shown;
}

} // namespace

void PageControls::takeFields(const PageFields &fields)
{
    // The page has as many fields in each row as the last update gave it.
    const std::size_t count = std::min<std::size_t>(fields.texts.size() / 2, kMaxFieldCount);
    for (std::size_t i = 0; i < 2 * count; ++i) {
        const std::size_t at = slot(
                {static_cast<FieldRow>(i / count), static_cast<int>(i % count) + 1});
        if (fields.texts[i] != m_shown[at])
            m_values[at] = m_shown[at] = fields.texts[i];
    }
    m_focused = {};
    for (const ControlEntry &entry : kControlTable) {
        if (entry.objectName != fields.focus)
            continue;
        if (const Button *button = std::get_if<Button>(&entry.role))
            m_focused = *button;
    }
    // A field's name, as the window names its six: "Text1_3" the third training field.
    for (const FieldRow row : {FieldRow::Training, FieldRow::Unseen}) {
        const std::string prefix = row == FieldRow::Training ? "Text1_" : "Text2_";
        for (int index = 1; index <= m_fieldCount; ++index) {
            if (fields.focus == prefix + std::to_string(index))
                m_focused = Field{row, index};
        }
    }
}

void PageControls::forgetFocus()
{
    m_focus = std::monostate{};
    m_selection.reset();
}

std::string PageControls::update(const std::string &extra)
{
    JsonWriter out;
    out.beginObject().key("lists").beginArray();
    for (std::size_t l = 0; l < kListCount && !m_holdingLists; ++l) {
        ListChange &change = m_lists[l];
        if (!change.touched)
            continue;
        out.beginObject().key("list").string(kListNames[l]).key("clear").boolean(change.cleared);
        if (change.kept)
            out.key("keep").number(*change.kept);
        out.key("rows").beginArray();
        for (const std::string &row : change.rows)
            out.string(row);
        out.endArray().endObject();
        m_pageRows[l] = base(l) + change.rows.size();
        change = {};
    }
    out.endArray();
    if (std::exchange(m_pageFieldCount, m_fieldCount) != m_fieldCount)
        out.key("fieldCount").number(m_fieldCount);
    out.key("fields").beginArray();
    for (std::size_t i = 0; i < m_fieldChanged.size(); ++i) {
        const Field field{static_cast<FieldRow>(i / kMaxFieldCount),
                          static_cast<int>(i % kMaxFieldCount) + 1};
        if (!m_fieldChanged[i] || field.index > m_fieldCount)
            continue;
        out.beginObject().key("field");
        fieldJson(out, field);
        out.key("text").string(m_shown[i]).endObject();
    }
    out.endArray();
    if (m_selection) {
        out.key("selection").beginObject().key("field");
        fieldJson(out, m_selection->field);
        out.key("start").number(m_selection->start);
        out.key("length").number(m_selection->length).endObject();
    }
    if (const Field *field = std::get_if<Field>(&m_focus)) {
        out.key("focus").beginObject().key("field");
        fieldJson(out, *field);
        out.endObject();
    } else if (const Button *button = std::get_if<Button>(&m_focus)) {
        out.key("focus").beginObject();
        out.key("button").string(kButtonNames[static_cast<std::size_t>(*button)]).endObject();
    }
    out.key("enabled").beginObject();
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        if (m_buttonChanged[b])
            out.key(kButtonNames[b]).boolean(m_enabled[b]);
    }
    out.endObject().key("messages").beginArray();
    for (const Message &message : m_messages) {
        out.beginObject().key("title").string(message.title);
        out.key("text").string(message.text).endObject();
    }
    out.endArray().key("closed").boolean(m_closed);
    if (m_download)
        out.key("download").string(*m_download);
    out.raw(extra).endObject();
    m_fieldChanged = {};
    m_selection.reset();
    m_focus = std::monostate{};
    m_buttonChanged = {};
    m_messages.clear();
    m_closed = false;
    m_download.reset();
    return out.take();
}

void PageControls::setFieldCount(int count)
{
    m_fieldCount = count;
}

void PageControls::setText(Field field, const std::string &text)
{
    const std::size_t i = slot(field);
    m_values[i] = text;
    m_shown[i] = shownInField(text);
    m_fieldChanged[i] = true;
    if (m_selection && m_selection->field.row == field.row
        && m_selection->field.index == field.index)
        m_selection.reset(); // a new text has nothing selected
}

void PageControls::setSelection(Field field, int start, int length)
{
    m_selection = Selection{field, start, length};
}

void PageControls::clear(List list)
{
    m_lists[static_cast<std::size_t>(list)] = {true, true, {}, {}};
}

void PageControls::append(List list, std::string row)
{
    ListChange &change = m_lists[static_cast<std::size_t>(list)];
    change.touched = true;
    change.rows.push_back(std::move(row));
}

void PageControls::truncate(List list, int rows)
{
    const auto l = static_cast<std::size_t>(list);
    ListChange &change = m_lists[l];
    const auto keep = static_cast<std::size_t>(rows);
    if (keep >= base(l) + change.rows.size())
        return;
    change.touched = true;
    if (keep >= base(l)) {
        change.rows.resize(keep - base(l));
    } else {
        change.rows.clear();
        change.kept = keep;
    }
}

bool PageControls::enabled(Button button) const
{
    return m_enabled[static_cast<std::size_t>(button)];
}

void PageControls::setEnabled(Button button, bool enabled)
{
    m_enabled[static_cast<std::size_t>(button)] = enabled;
    m_buttonChanged[static_cast<std::size_t>(button)] = true;
}

void PageControls::messageBox(const std::string &text, const std::string &title)
{
    m_messages.push_back({title, text});
}

std::optional<ExportFailure> PageControls::replace(std::string_view bytes)
{
    m_download = std::string(bytes);
    return std::nullopt;
}

std::size_t PageControls::slot(Field field)
{
    if (field.index < 1 || field.index > kMaxFieldCount)
        throw std::out_of_range("no such field");
    return static_cast<std::size_t>(field.row) * kMaxFieldCount
           + static_cast<std::size_t>(field.index - 1);
}

std::size_t PageControls::base(std::size_t l) const
{
    return m_lists[l].cleared ? 0 : m_lists[l].kept.value_or(m_pageRows[l]);
}

// The control table, as the page builds its controls from it: an object for each control, its
// caption and accessible name as catalog numbers, a list's visible height worked out.
std::string controlTableJson()
{
    json controls = json::array();
    for (const ControlEntry &entry : kControlTable) {
        constexpr std::array kinds{"frame", "label", "field", "list", "button"};
        json control{{"kind", kinds[static_cast<std::size_t>(entry.kind)]},
                     {"name", entry.objectName},
                     {"container", entry.container},
                     {"caption", entry.caption ? static_cast<int>(*entry.caption) : -1},
                     {"accessibleName",
                      entry.accessibleName ? static_cast<int>(*entry.accessibleName) : -1},
                     {"left", entry.geometry.left},
                     {"top", entry.geometry.top},
                     {"width", entry.geometry.width},
                     {"height", entry.geometry.height},
                     {"tabIndex", entry.tabIndex}};
        if (const Field *field = std::get_if<Field>(&entry.role)) {
            control["row"] = kRowNames[static_cast<std::size_t>(field->row)];
            control["index"] = field->index;
        } else if (const List *list = std::get_if<List>(&entry.role)) {
            control["list"] = kListNames[static_cast<std::size_t>(*list)];
            control["visibleHeight"] = visibleHeightTwips(entry);
        } else if (const Button *button = std::get_if<Button>(&entry.role)) {
            control["button"] = kButtonNames[static_cast<std::size_t>(*button)];
        }
        controls.push_back(std::move(control));
    }
    return controls.dump();
}

// The text catalog: for each text, in the order of its number, its context and English text.
std::string catalogJson()
{
    json texts = json::array();
    for (int id = 0; id < kTextCount; ++id) {
        const CatalogEntry &entry = catalogEntry(static_cast<Text>(id));
        texts.push_back({{"context", entry.context}, {"english", entry.english}});
    }
    return texts.dump();
}

} // namespace vspace
