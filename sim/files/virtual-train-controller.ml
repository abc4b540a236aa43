{ MULTILEVEL
  ; An example controller for the virtual joystick: a train-style desk with
  ; a throttle lever, a brake lever and a reverser, twelve buttons and a hat.
  ; Name the file in QUORVEX_VIRTUAL_JOYSTICK (or copy and edit it) to try a
  ; profile without hardware.
  { CONTROLLER
    Name=Quorvex Virtual Train Controller
    Axis0=Throttle lever
    Axis1=Brake lever
    Axis2=Reverser
    Button0=Horn
    Button1=Bell
    Button2=Sander
    Button3=Headlights
    Button4=Wipers
    Button5=Vigilance
    Button6=Pantograph
    Button7=Doors left
    Button8=Doors right
    Button9=Emergency brake
    Button10=Camera
    Button11=Pause
    Hat0=View hat
    { TIMELINE
      ; The throttle rests in six notches (about 1000, 13000, 26000, 39000,
      ; 52000 and 64500), the brake in four (1000, 20000, 40000, 64000);
      ; the reverser is 0 back, 32767 neutral, 65535 forward.
      Loop=1
      Length=20000
      At=0
      Axis0=1000
      Axis1=64000
      Axis2=32767
      Hat0=-1
      At=1000
      Axis2=65535
      At=2000
      Axis1=40000
      At=3000
      Axis1=20000
      At=4000
      Axis1=1000
      At=5000
      Axis0=13000
      At=6000
      Axis0=26000
      At=7000
      Axis0=39000
      At=8000
      Axis0=52000
      At=9000
      Axis0=64500
      Button0=1
      At=9500
      Button0=0
      At=10000
      Hat0=9000
      At=10300
      Hat0=-1
      At=11000
      Axis0=52000
      At=12000
      Axis0=39000
      At=13000
      Axis0=26000
      Button3=1
      At=13200
      Button3=0
      At=14000
      Axis0=13000
      At=15000
      Axis0=1000
      At=16000
      Axis1=20000
      At=17000
      Axis1=40000
      At=18000
      Axis1=64000
      Button9=1
      At=18300
      Button9=0
      At=19000
      Axis2=32767
    }
  }
}
