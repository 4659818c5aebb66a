#include "game/play/Directions.h"

int DirectionCode(int choice, int facing, int inputCode) {
    const bool right = facing == 1;
    switch (choice) {
        case 0: return right ? eDirRight : eDirLeft;
        case 1: return right ? eDirLeft : eDirRight;
        case 4: return right ? eDirDown : eDirUp;
        case 5: return right ? eDirUp : eDirDown;
        case 12: return inputCode;
        default: return choice;
    }
}

int DirectionAngle(int code) {
    switch (code) {
        case eDirRight: return 180;
        case eDirUp: return 90;
        case eDirDown: return 270;
        case 8: return 45;
        case 9: return 315;
        case 10: return 135;
        case 11: return 225;
        default: return 0;
    }
}

int DirectionSignX(int code) {
    switch (code) {
        case eDirLeft: case 8: case 9: return -1;
        case eDirRight: case 10: case 11: return 1;
        default: return 0;
    }
}

int DirectionSignY(int code) {
    switch (code) {
        case eDirUp: case 8: case 10: return -1;
        case eDirDown: case 9: case 11: return 1;
        default: return 0;
    }
}
