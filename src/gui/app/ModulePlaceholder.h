#pragma once

#include <QFrame>

class QLabel;

// Stands in a module panel until the module's own window fills it: a heading with the
// module's name and one sentence on what will be there.
class ModulePlaceholder final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModulePlaceholder)

public:
    enum class Kind { Details, MetaTags, ServiceSelection, StatusReport };

    explicit ModulePlaceholder(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    QString heading() const;
    QString sentence() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    Kind m_kind;
    QLabel* m_heading = nullptr;
    QLabel* m_sentence = nullptr;
};
