#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tintineables {

class Form;

// The top-level window of a loaded form. Closing it through its frame unloads the form.
class KeyPreview;

class FormWindow final : public QWidget {
public:
    explicit FormWindow(Form& form);

    // Routes keys and focus of the window and of every control added here to the form.
    void Watch(QWidget& control);
    // The form is unloaded: from now on this window, which only waits to be deleted, and its
    // controls hear nothing, and nothing here touches the form again.
    void Detach();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Form* form_;
    KeyPreview* preview_;
};

// The key preview: sees every key press on the window and its controls before the control
// does, hands it to the form, and keeps Tab for Qt's focus chain.
class KeyPreview final : public QObject {
public:
    KeyPreview(Form& form, QWidget& window);
    void Detach() { form_ = nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form* form_;
    QWidget& window_;
    // The control that held the focus when the window stopped being active. Its focus coming
    // back with the window is no GotFocus: the focus never moved within the game.
    QPointer<QWidget> keptFocus_;
};

} // namespace tintineables
