// Reading the settings record through the field table.
#include "host/script/record_fields.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "host/script/text_codec.h"

namespace velko::script {
namespace {

// "3" of "WatermarkList[3]", when it is a plain decimal index below `count`.
std::optional<int> EntryIndex(std::string_view digits, int count) {
  if (digits.empty() || digits.size() > 3 || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
  if (digits.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  int index = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size() || index >= count) return std::nullopt;
  return index;
}

// "List[N].Member" split into its parts.
struct ListName {
  std::string_view list, index, member;
};

std::optional<ListName> SplitListName(std::string_view name) {
  const std::size_t open = name.find('[');
  const std::size_t close = name.find("].");
  if (open == std::string_view::npos || close == std::string_view::npos || close < open) return std::nullopt;
  return ListName{name.substr(0, open), name.substr(open + 1, close - open - 1), name.substr(close + 2)};
}

// The shortest decimal that reads back as `value`.
std::string ShortestText(double value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string("?");
}

void ForEachField(auto&& visit) {
  for (const RecordField& field : kRecordFields) {
    for (int i = 0; i < field.count; ++i) visit(FieldRef{&field, i});
  }
}

}  // namespace

std::string FieldRef::Name() const {
  if (field->list.empty()) return std::string(field->name);
  return std::string(field->list) + "[" + std::to_string(index) + "]." + std::string(field->name);
}

std::optional<FieldRef> FindField(std::string_view name) {
  const std::optional<ListName> parts = SplitListName(name);
  for (const RecordField& field : kRecordFields) {
    if (field.list.empty()) {
      if (!parts && field.name == name) return FieldRef{&field, 0};
      continue;
    }
    if (!parts || parts->list != field.list || parts->member != field.name) continue;
    if (const std::optional<int> index = EntryIndex(parts->index, field.count)) return FieldRef{&field, *index};
    return std::nullopt;
  }
  return std::nullopt;
}

FieldValue ReadField(const SettingsRecord& record, const FieldRef& ref) {
  const auto* bytes = reinterpret_cast<const char*>(&record) + ref.Offset();
  switch (ref.field->type) {
    case FieldType::Int32: {
      int32_t value;
      std::memcpy(&value, bytes, sizeof value);
      return value;
    }
    case FieldType::Double: {
      double value;
      std::memcpy(&value, bytes, sizeof value);
      return value;
    }
    case FieldType::Text:
      return std::string(bytes, strnlen(bytes, ref.field->size));
  }
  return 0;
}

void WriteField(SettingsRecord& record, const FieldRef& ref, const FieldValue& value) {
  auto* bytes = reinterpret_cast<char*>(&record) + ref.Offset();
  if (const auto* i = std::get_if<int32_t>(&value); i != nullptr && ref.field->type == FieldType::Int32) {
    std::memcpy(bytes, i, sizeof *i);
  } else if (const auto* d = std::get_if<double>(&value); d != nullptr && ref.field->type == FieldType::Double) {
    std::memcpy(bytes, d, sizeof *d);
  } else if (const auto* t = std::get_if<std::string>(&value); t != nullptr && ref.field->type == FieldType::Text) {
    const std::size_t n = std::min<std::size_t>(t->size(), ref.field->size - 1u);
    std::memset(bytes, 0, ref.field->size);
    std::memcpy(bytes, t->data(), n);
  }
}

std::string DescribeValue(const FieldValue& value) {
  if (const auto* i = std::get_if<int32_t>(&value)) return std::to_string(*i);
  if (const auto* d = std::get_if<double>(&value)) return ShortestText(*d);
  return Quoted(Gb2312ToUtf8(std::get<std::string>(value)));
}

nlohmann::ordered_json RecordToJson(const SettingsRecord& record) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  ForEachField([&](const FieldRef& ref) {
    const FieldValue value = ReadField(record, ref);
    if (const auto* i = std::get_if<int32_t>(&value)) {
      json[ref.Name()] = *i;
    } else if (const auto* d = std::get_if<double>(&value)) {
      json[ref.Name()] = *d;
    } else {
      json[ref.Name()] = Gb2312ToUtf8(std::get<std::string>(value));
    }
  });
  return json;
}

}  // namespace velko::script
