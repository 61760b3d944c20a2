#include "platform/accessiblesupport.h"

#include "platform/updown.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLocale>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

const char ValueScaleProperty[] = "accessibleValueScale";

// The arrows of an UpDown step one at a time, as the person's clicks do, so that its owner sees
// every step.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit UpDownAccessible(UpDown *upDown)
        : QAccessibleWidget(upDown, QAccessible::SpinBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QLocale().toString(upDown()->position());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return upDown()->position(); }
    void setCurrentValue(const QVariant &value) override
    {
        const int target = std::clamp(value.toInt(), upDown()->minimum(), upDown()->maximum());
        for (int before = -1; upDown()->position() != target && upDown()->position() != before;) {
            before = upDown()->position();
            upDown()->press(before < target ? UpDown::Next : UpDown::Prior);
        }
    }
    QVariant maximumValue() const override { return upDown()->maximum(); }
    QVariant minimumValue() const override { return upDown()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }
    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            upDown()->press(UpDown::Next);
        else if (name == decreaseAction())
            upDown()->press(UpDown::Prior);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    UpDown *upDown() const { return static_cast<UpDown *>(object()); }
};

class ScaledSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ScaledSliderAccessible(QSlider *slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QLocale().toString(currentValue().toDouble(), 'f', 3);
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return slider()->value() / scale(); }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(int(std::lround(value.toDouble() * scale())));
    }
    QVariant maximumValue() const override { return slider()->maximum() / scale(); }
    QVariant minimumValue() const override { return slider()->minimum() / scale(); }
    QVariant minimumStepSize() const override { return slider()->singleStep() / scale(); }

private:
    QSlider *slider() const { return static_cast<QSlider *>(object()); }
    double scale() const
    {
        const double s = slider()->property(ValueScaleProperty).toDouble();
        return s > 0 ? s : 1.0;
    }
};

QAccessibleInterface *programInterfaces(const QString &className, QObject *object)
{
    if (className == QLatin1String("UpDown"))
        if (auto *upDown = qobject_cast<UpDown *>(object))
            return new UpDownAccessible(upDown);
    if (className == QLatin1String("QSlider") && object->property(ValueScaleProperty).isValid())
        if (auto *slider = qobject_cast<QSlider *>(object))
            return new ScaledSliderAccessible(slider);
    return nullptr;
}

}

namespace AccessibleSupport {

void install()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(&programInterfaces);
}

void setValueScale(QSlider *slider, double scale)
{
    slider->setProperty(ValueScaleProperty, scale);
}

void announce(QWidget *source, const QString &text)
{
    if (!source)
        return;
    // A text said again is a change too, or a screen reader would not say it again.
    if (!text.isEmpty() && source->accessibleDescription() == text)
        source->setAccessibleDescription(QString());
    source->setAccessibleDescription(text);
    if (text.isEmpty())
        return;
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}
