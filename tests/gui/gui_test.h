#pragma once

// Modal dialogs in tests go through this hook: a failure is a GoogleTest failure, and an
// unexpected dialog is cancelled instead of waiting for a user who is not there.
#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook

#include <gtest/gtest.h>

#include <chrono>

#include <wx/arrstr.h>
#include <wx/choicdlg.h>
#include <wx/evtloop.h>
#include <wx/listbox.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/timer.h>

/// The hook behind wxTEST_DIALOG.
class GTestModalHook : public wxTestingModalHook
{
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    int Enter(wxDialog* dialog) override
    {
        const int result = wxTestingModalHook::Enter(dialog);
        return result == wxID_NONE ? wxID_CANCEL : result;
    }
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message; }
};

/// What a message box showed.
struct MessageBoxSeen
{
    int count = 0;
    wxString message;
    wxString caption;
    long style = 0;
    wxWindow* parent = nullptr;
};

/// Answers a message box with a button id (wxYES, wxNO, wxOK, or wxCANCEL for a box dismissed
/// with Escape or its close box) and records what it showed.
class MessageBoxAnswer : public wxExpectModalBase<wxMessageDialog, MessageBoxAnswer>
{
public:
    explicit MessageBoxAnswer(int answer, MessageBoxSeen* seen = nullptr)
        : m_answer(answer == wxYES      ? wxID_YES
                   : answer == wxNO     ? wxID_NO
                   : answer == wxCANCEL ? wxID_CANCEL
                                        : wxID_OK),
          m_seen(seen)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        if (m_seen)
        {
            ++m_seen->count;
            m_seen->message = dialog->GetMessage();
            m_seen->caption = dialog->GetCaption();
            m_seen->style = dialog->GetMessageDialogStyle();
            m_seen->parent = dialog->GetParent();
        }
        return m_answer;
    }

private:
    int m_answer;
    MessageBoxSeen* m_seen;
};

/// What a single-choice list showed.
struct ChoiceSeen
{
    int count = 0;
    wxString caption;
    wxArrayString rows;
    int selectionAtOpen = -2;
    wxWindow* parent = nullptr;
};

/// The first child window of `parent` that is a T.
template <class T>
T* FindChild(wxWindow& parent)
{
    for (wxWindow* child : parent.GetChildren())
        if (auto* found = dynamic_cast<T*>(child))
            return found;
    return nullptr;
}

/// For wxExpectModal<wxSingleChoiceDialog>: OK with the list as it opened.
inline constexpr int OkAsOpened = -2;

/// Picks a row of the single-choice list (or none: OkAsOpened), or cancels it for -1.
template <>
class wxExpectModal<wxSingleChoiceDialog> : public wxExpectModalBase<wxSingleChoiceDialog>
{
public:
    explicit wxExpectModal(int row, ChoiceSeen* seen = nullptr) : m_row(row), m_seen(seen) {}

protected:
    int OnInvoked(wxSingleChoiceDialog* dialog) const override
    {
        if (m_seen)
        {
            ++m_seen->count;
            m_seen->caption = dialog->GetTitle();
            m_seen->parent = dialog->GetParent();
            if (auto* list = FindChild<wxListBox>(*dialog))
            {
                m_seen->rows = list->GetStrings();
                m_seen->selectionAtOpen = list->GetSelection();
            }
        }
        if (m_row == OkAsOpened)
            return wxID_OK;
        if (m_row < 0)
            return wxID_CANCEL;
        dialog->SetSelection(m_row);
        return wxID_OK;
    }

private:
    int m_row;
    ChoiceSeen* m_seen;
};

/// The child window of `parent` with this window name, as a T (null when missing).
template <class T>
T* FindControl(wxWindow& parent, const char* name)
{
    return dynamic_cast<T*>(wxWindow::FindWindowByName(name, &parent));
}

/// A wxString from a UTF-8 literal, whatever the C locale is.
inline wxString U8(const char* text)
{
    return wxString::FromUTF8(text);
}

/// Sends a button click the way the toolkit does.
inline void Click(wxWindow& button)
{
    wxCommandEvent event(wxEVT_BUTTON, button.GetId());
    event.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(event);
}

/// Delivers one tick of a window's timer.
inline void Tick(wxWindow& window, const wxTimer& timer)
{
    wxTimerEvent event(const_cast<wxTimer&>(timer));
    window.GetEventHandler()->ProcessEvent(event);
}

/// Runs the toolkit's events, timers included, until `done()` is true; false if it never became
/// true within a minute, a bound only against a hang.
template <class Condition>
bool RunEventsUntil(Condition done)
{
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!done())
    {
        if (std::chrono::steady_clock::now() > end)
            return false;
        loop.DispatchTimeout(10);
    }
    return true;
}
