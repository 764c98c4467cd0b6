#include "wizard/Form1.h"

void Form1::cmdStep_Click(qint16 Index) {
    switch (Index) {
    case 0:
        exitProgram();
        return;
    case 4:
        EndTutor();
        Show_Finish();
        return;
    case 6:
        if (bTutor) {
            EndTutor();
            bTutor = false;
        } else {
            UpdateTutor();
            bTutor = true;
        }
        break;
    default:
        return;
    }
    Check_iStep();
    Manipulate_Buttons();
}
