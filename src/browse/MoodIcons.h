// The small mood pictures of the list rows, 22 × 22, one per mood number 0 to 9: a face whose
// colour and mouth tell the mood. The list takes its pictures from here alone.
#pragma once

#include <QImage>

QImage ListMoodIcon(int mood);
