#pragma once

/// Shows the language list (no parent window), with the row of `current` selected (none for
/// wxLANGUAGE_UNKNOWN, so OK chooses nothing), and returns the chosen language, or
/// wxLANGUAGE_UNKNOWN when the user cancels or chooses nothing.
int ChooseLanguage(int current = -1);

/// The Language command: choose, store, and tell the user to restart.
void ChangeLanguage();

/// The language to start in, from the global settings store; asks on the very first start.
int ReadLanguagePreference();

/// Stores the language in the global settings store.
void SaveLanguagePreference(int language);
