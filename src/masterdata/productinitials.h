#pragma once

#include <functional>

class EditableTable;
class PinyinDictionary;

// "简拼[&J]": every row's JP := PinyinInitials(MC), as pending changes of the
// list. `progress` hears (rows done, rows in all) after each row.
void RegenerateProductInitials(EditableTable& rows, PinyinDictionary& dictionary,
                               const std::function<void(int, int)>& progress = {});
