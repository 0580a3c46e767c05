#pragma once

#include <functional>

class wxConfigBase;
class wxString;

/// The settings key of the interface language.
inline constexpr char LanguageKey[] = "ui_language";
/// The stored value that means "follow the system's language".
inline constexpr char DefaultLanguageValue[] = "default";

/// Asks the user for a language; wxLANGUAGE_UNKNOWN when the question was cancelled.
using LanguageChooser = std::function<int()>;

/// The language to start in, from the stored value; asks with `choose` when nothing is stored
/// yet and stores the answer. A stored value that is not text, or names no language, is reported
/// and left as it is. Never returns wxLANGUAGE_UNKNOWN.
int ReadLanguageSetting(wxConfigBase& config, const LanguageChooser& choose);

/// The language a stored value names: wxLANGUAGE_DEFAULT for "default" (exactly), the language
/// of a code the toolkit knows, wxLANGUAGE_UNKNOWN for anything else.
int LanguageOfStoredValue(const wxString& value);

/// The language stored now, read without asking, reporting or recording anything;
/// wxLANGUAGE_UNKNOWN when nothing usable is stored.
int StoredLanguage(wxConfigBase& config);

/// Stores "default" or the language's canonical name and puts it on disk at once;
/// wxLANGUAGE_UNKNOWN stores nothing.
void WriteLanguageSetting(wxConfigBase& config, int language);
