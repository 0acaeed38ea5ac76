// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analisi/carichi.h"

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

namespace spintaro {

// The wall, its layers and the loads on the backfill to scale, each load with its number, its
// intensity and its distance from the wall. It draws what it is given; the loads window gives it
// the rows of its table that read as loads.
class DisegnoCarichi final : public QWidget {
    Q_OBJECT

public:
    explicit DisegnoCarichi(QWidget* genitore = nullptr);

    // The thicknesses of the layers, m, the loads with their numbers in the table, and the
    // decimal separator of the labels.
    void imposta(std::vector<double> spessori, std::vector<std::pair<int, Carico>> carichi,
                 std::string decimale);

    [[nodiscard]] const std::vector<double>& spessori() const { return m_spessori; }
    [[nodiscard]] QSize sizeHint() const override { return {380, 360}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<double> m_spessori;
    std::vector<std::pair<int, Carico>> m_carichi;
    std::string m_decimale = ",";
};

} // namespace spintaro
