#pragma once
// Keeps a copy of a process-wide object (the project's database, its stage, a setting) and puts
// it back when the scope ends, so a test that changes it leaves the next test of the same
// program what it found.
template <class T>
class cRestoreOnExit {
public:
    explicit cRestoreOnExit(T& object) : m_object(object), m_saved(object) {}
    ~cRestoreOnExit() { m_object = m_saved; }
    cRestoreOnExit(const cRestoreOnExit&) = delete;
    cRestoreOnExit& operator=(const cRestoreOnExit&) = delete;

private:
    T& m_object;
    T m_saved;
};

// Sets a process-wide setting for its lifetime, then puts back the value it had.
template <class T>
class cScopedSetting {
public:
    cScopedSetting(T (*get)(), void (*set)(T), T value) : m_set(set), m_saved(get()) { set(value); }
    ~cScopedSetting() { m_set(m_saved); }
    cScopedSetting(const cScopedSetting&) = delete;
    cScopedSetting& operator=(const cScopedSetting&) = delete;

private:
    void (*m_set)(T);
    T m_saved;
};
