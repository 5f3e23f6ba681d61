#pragma once
// A printer that starts a page and draws it, but cannot finish the job: its
// engine's end() fails and it is left in the error state, as a printing
// system that refuses the job at the end leaves it.

#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>

namespace zorvik::testing {

class FailingPrintEngine final : public QPaintEngine, public QPrintEngine {
public:
    FailingPrintEngine() : QPaintEngine(AllFeatures) {}

    bool begin(QPaintDevice*) override {
        state_ = QPrinter::Active;
        return true;
    }
    bool end() override {
        state_ = QPrinter::Error;
        return false;
    }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem&) override {}
    Type type() const override { return User; }

    void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
    QVariant property(PrintEnginePropertyKey key) const override {
        return key == PPK_Resolution ? QVariant(kDpi) : QVariant();
    }
    bool newPage() override { return true; }
    bool abort() override { return false; }
    int metric(QPaintDevice::PaintDeviceMetric metric) const override {
        switch (metric) {
            case QPaintDevice::PdmWidth:
                return 8 * kDpi;
            case QPaintDevice::PdmHeight:
                return 11 * kDpi;
            case QPaintDevice::PdmWidthMM:
                return 203;
            case QPaintDevice::PdmHeightMM:
                return 279;
            case QPaintDevice::PdmDepth:
                return 32;
            case QPaintDevice::PdmNumColors:
                return 0x7fffffff;
            case QPaintDevice::PdmDevicePixelRatio:
                return 1;
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return int(QPaintDevice::devicePixelRatioFScale());
            default:
                return kDpi;
        }
    }
    QPrinter::PrinterState printerState() const override { return state_; }

private:
    static constexpr int kDpi = 300;
    QPrinter::PrinterState state_ = QPrinter::Idle;
};

class FailingPrinter final : public QPrinter {
public:
    FailingPrinter() { setEngines(&engine_, &engine_); }

private:
    FailingPrintEngine engine_;
};

}  // namespace zorvik::testing
