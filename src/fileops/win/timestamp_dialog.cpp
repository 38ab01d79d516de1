#include "fileops/win/timestamp_dialog.h"

#include <commctrl.h>

#include "fileops/win/dialog_look.h"
#include "resource_ids.h"

namespace tarvelo::fileops::win {

namespace {

// Date and time picker of each kind (created, modified, accessed).
constexpr int kDatePickers[3] = {IDC_TS_CREATE_DATE, IDC_TS_MODIFIED_DATE, IDC_TS_ACCESS_DATE};
constexpr int kTimePickers[3] = {IDC_TS_CREATE_TIME, IDC_TS_MODIFIED_TIME, IDC_TS_ACCESS_TIME};
constexpr int kKindBoxes[3] = {IDC_TS_USE_CREATE, IDC_TS_USE_MODIFIED, IDC_TS_USE_ACCESS};
constexpr UINT_PTR kWheelSubclass = 1;

struct Context {
    TimestampDialogState* state;
    DialogLook look;
    TimestampChoices choices{false, false};
};

SYSTEMTIME toSystemTime(const LocalStamp& s) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(s.year);
    st.wMonth = static_cast<WORD>(s.month);
    st.wDay = static_cast<WORD>(s.day);
    st.wHour = static_cast<WORD>(s.hour);
    st.wMinute = static_cast<WORD>(s.minute);
    st.wSecond = static_cast<WORD>(s.second);
    return st;
}

SYSTEMTIME pickerTime(HWND dlg, int id) {
    SYSTEMTIME st{};
    if (SendDlgItemMessageW(dlg, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID) GetLocalTime(&st);
    return st;
}

void setPicker(HWND dlg, int id, SYSTEMTIME st) {
    st.wMilliseconds = 0;
    SendDlgItemMessageW(dlg, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

bool checked(HWND dlg, int id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

void check(HWND dlg, int id, bool on) { CheckDlgButton(dlg, id, on ? BST_CHECKED : BST_UNCHECKED); }

void enable(HWND dlg, int id, bool on) { EnableWindow(GetDlgItem(dlg, id), on ? TRUE : FALSE); }

// Every check box and every enabled state from the choices.
void showChoices(HWND dlg, const TimestampChoices& c) {
    check(dlg, IDC_TS_KEEP_DATE, c.keepDate());
    check(dlg, IDC_TS_KEEP_TIME, c.keepTime());
    enable(dlg, IDC_TS_DATE_HEADING, c.dateHeadingEnabled());
    enable(dlg, IDC_TS_TIME_HEADING, c.timeHeadingEnabled());
    for (int k = 0; k < 3; ++k) {
        const auto kind = static_cast<TimeKind>(k);
        check(dlg, kKindBoxes[k], c.kind(kind));
        enable(dlg, kDatePickers[k], c.datePickerEnabled(kind));
        enable(dlg, kTimePickers[k], c.timePickerEnabled(kind));
    }
    for (int f = 0; f < 6; ++f) {
        const auto field = static_cast<TimeField>(f);
        check(dlg, IDC_TS_FIELD_FIRST + f, c.field(field));
        enable(dlg, IDC_TS_FIELD_FIRST + f, c.fieldBoxEnabled(field));
    }
}

// The wheel steps the focused field of a focused picker, one arrow key per
// notch; elsewhere it does nothing.
LRESULT CALLBACK wheelProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_MOUSEWHEEL) {
        const int delta = GET_WHEEL_DELTA_WPARAM(wp);
        if (GetFocus() == w && (delta >= WHEEL_DELTA || delta <= -WHEEL_DELTA)) {
            const WPARAM key = delta > 0 ? VK_UP : VK_DOWN;
            SendMessageW(w, WM_KEYDOWN, key, 1);
            SendMessageW(w, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        }
        return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(w, wheelProc, kWheelSubclass);
    return DefSubclassProc(w, msg, wp, lp);
}

// Sets the date (or the time) picker of every checked kind.
void setCheckedPickers(HWND dlg, const TimestampChoices& c, const int (&pickers)[3], const SYSTEMTIME& st) {
    for (int k = 0; k < 3; ++k) {
        if (c.kind(static_cast<TimeKind>(k))) setPicker(dlg, pickers[k], st);
    }
}

LocalStamp stampOf(const SYSTEMTIME& date, const SYSTEMTIME& time) {
    return {date.wYear, date.wMonth, date.wDay, time.wHour, time.wMinute, time.wSecond};
}

INT_PTR CALLBACK timestampProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    Context* c = msg == WM_INITDIALOG ? reinterpret_cast<Context*>(lp)
                                      : reinterpret_cast<Context*>(GetWindowLongPtrW(dlg, DWLP_USER));
    if (!c) return FALSE;
    INT_PTR brush = 0;
    if (c->look.colour(msg, wp, lp, brush)) return brush;
    TimestampDialogState& s = *c->state;
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dlg, DWLP_USER, lp);
        c->look.apply(dlg, {});
        c->choices = TimestampChoices(s.keepDate, s.keepTime);
        const LocalStamp* starts[3] = {&s.start.created, &s.start.modified, &s.start.accessed};
        for (int k = 0; k < 3; ++k) {
            SYSTEMTIME st = toSystemTime(*starts[k]);
            if (!isValidStamp(*starts[k])) GetLocalTime(&st);
            setPicker(dlg, kDatePickers[k], st);
            setPicker(dlg, kTimePickers[k], st);
            SetWindowSubclass(GetDlgItem(dlg, kDatePickers[k]), wheelProc, kWheelSubclass, 0);
            SetWindowSubclass(GetDlgItem(dlg, kTimePickers[k]), wheelProc, kWheelSubclass, 0);
        }
        showChoices(dlg, c->choices);
        SetTimer(dlg, TIMER_TS_FOCUS, 50, nullptr);
        return TRUE;
    }
    case WM_TIMER:
        if (wp == TIMER_TS_FOCUS) {
            KillTimer(dlg, TIMER_TS_FOCUS);
            SetFocus(GetDlgItem(dlg, c->choices.keepDate() ? IDC_TS_MODIFIED_TIME : IDC_TS_MODIFIED_DATE));
        }
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (HIWORD(wp) != BN_CLICKED) return FALSE;
        TimestampChoices& choices = c->choices;
        if (id == IDC_TS_KEEP_DATE) {
            choices.setKeepDate(checked(dlg, id));
        } else if (id == IDC_TS_KEEP_TIME) {
            choices.setKeepTime(checked(dlg, id));
        } else if (id == IDC_TS_USE_CREATE || id == IDC_TS_USE_MODIFIED || id == IDC_TS_USE_ACCESS) {
            choices.setKind(static_cast<TimeKind>(id - IDC_TS_USE_CREATE), checked(dlg, id));
        } else if (id >= IDC_TS_FIELD_FIRST && id < IDC_TS_FIELD_FIRST + 6) {
            choices.setField(static_cast<TimeField>(id - IDC_TS_FIELD_FIRST), checked(dlg, id));
        } else if (id == IDC_TS_NOW_DATE || id == IDC_TS_NOW_TIME || id == IDC_TS_MIDNIGHT) {
            SYSTEMTIME now{};
            GetLocalTime(&now);
            if (id == IDC_TS_MIDNIGHT) now.wHour = now.wMinute = now.wSecond = 0;
            setCheckedPickers(dlg, choices, id == IDC_TS_NOW_DATE ? kDatePickers : kTimePickers, now);
            return TRUE;
        } else if (id == IDOK || id == IDCANCEL) {
            s.keepDate = choices.keepDate();
            s.keepTime = choices.keepTime();
            if (id == IDOK) {
                s.request.kinds = choices.kinds();
                s.request.fields = choices.fields();
                LocalStamp* wanted[3] = {&s.request.wanted.created, &s.request.wanted.modified,
                                         &s.request.wanted.accessed};
                for (int k = 0; k < 3; ++k) {
                    *wanted[k] = stampOf(pickerTime(dlg, kDatePickers[k]), pickerTime(dlg, kTimePickers[k]));
                }
            }
            EndDialog(dlg, id);
            return TRUE;
        } else {
            return FALSE;
        }
        showChoices(dlg, choices);
        return TRUE;
    }
    case WM_CLOSE:
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int runTimestampDialog(HWND owner, TimestampDialogState& state) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    Context context{&state, {}, TimestampChoices(state.keepDate, state.keepTime)};
    const INT_PTR r = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TIMESTAMP), owner, timestampProc,
                                      reinterpret_cast<LPARAM>(&context));
    return r == IDOK ? IDOK : IDCANCEL;
}

}  // namespace tarvelo::fileops::win
